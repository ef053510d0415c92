// Velk_KT: the board loader program. Binds the serial link library by ordinal
// and the download library by name, both at load time.
#include <windows.h>

#include "com/com.h"
#include "com_link.h"
#include "loader_texts.h"
#include "main_dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "velk2.h"
#include "velk_library.h"
#include "winui/application.h"

namespace {

class Velk2Library : public loader::VelkLibrary {
 public:
  int32_t Velk(VELKCOM command, void *block, void *window) override { return ::Velk(command, block, window); }
  void SetNumeroUnique(int32_t number) override { ::SetNumeroUnique(number); }
};

class ComLibrary : public loader::ComLink {
 public:
  uint8_t InitCommunication(int32_t port, int32_t baud) override { return ::InitCommunication(port, baud); }
  uint8_t CloseCommunication(int32_t port) override { return ::CloseCommunication(port); }
  int32_t ChangeBaud(int32_t port, int32_t baud) override { return ::ChangeBaud(port, baud); }
  int32_t EmissionTrame(int32_t port, SecsMessage *message) override { return ::EmissionTrame(port, message); }
  ComBlock ReceptionTrame(int32_t port) override { return ::ReceptionTrame(port); }
  void Genere_Header(SecsMessage *message, int32_t device) override { ::Genere_Header(message, device); }
  void UnBuild_Secs2(SecsMessage *message, int32_t type, void *destination, int32_t count) override {
    ::UnBuild_Secs2(message, type, destination, count);
  }
};

class LoaderApplication : public winui::Application {
 public:
  LoaderApplication(HINSTANCE instance, const char *commandLine)
      : winui::Application(instance), commandLine_(commandLine ? commandLine : ""),
        main_(platform::PlatformFiles(), velk_, com_) {}

 protected:
  bool InitMainWindow() override {
    if (!main_.Create()) return false;
    ShowWindow(main_.Handle(), SW_SHOWNORMAL);
    main_.Form().AddCommandLineFile(commandLine_);
    return true;
  }

 private:
  std::string commandLine_;
  Velk2Library velk_;
  ComLibrary com_;
  loader::MainDialog main_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  try {
    LoaderApplication application(instance, commandLine);
    return application.Run();
  } catch (const std::exception &error) {
    platform::ShowMessage({error.what(), loader::kApplicationTitle, platform::MessageIcon::Exclamation,
                           platform::MessageOwner::None});
  }
  return 1;
}
