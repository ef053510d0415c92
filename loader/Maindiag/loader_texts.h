// Fixed texts of the board loader: captions, file names and the messages shown to the user.
#ifndef LOADER_LOADER_TEXTS_H
#define LOADER_LOADER_TEXTS_H

namespace loader {

constexpr char kApplicationTitle[] = "KT control V1.18.g";
constexpr char kApplicationHelpFile[] = "AideVelkeur.hlp";
constexpr char kHelpContentsFile[] = "KTHELP.HLP";

constexpr char kMicroFilter[] = "Fichiers HEX 386|*.h86|Opt HEX 386|*.opt";
constexpr char kFpgaFilter[] = "Fichiers Fpga Mcs (*.Mcs)|*.Mcs";
constexpr char kMicroMask[] = "*.h86";
constexpr char kFpgaMask[] = "*.mcs";

constexpr char kBootFileName[] = "BOOTSTR.H86";
constexpr char kLastDownloadedName[] = "LastDownloadedFile.ldw";
constexpr char kDllTraceName[] = "SuiviDll.txt";
constexpr char kThreadTraceName[] = "SuiviThread.txt";
constexpr char kConcatName[] = "concat.H86";

constexpr char kNotFoundSuffix[] = " n'existe pas";
constexpr char kUnableToOpenCom[] = "Unable To Open COM";
constexpr char kBootNotFound[] = "File BOOSTR.H86 not found";
constexpr char kShutDownPower[] = "You must shut-down power to terminate operation";
constexpr char kCableError[] = "Erreur de communication verifier le cable";
constexpr char kNoAnswer[] = "Pas de reponse de la carte : demande de telechargement abandonnee";
constexpr char kBadUniqueNumber[] = "Reponse S127F4 sans numero unique : telechargement abandonne";
constexpr char kPathTooLong[] = "Chemin trop long (299 caracteres au plus) : ";
constexpr char kRegistryUnavailable[] = "Unable to open the registry key HKEY_CURRENT_USER\\";

}  // namespace loader

#endif
