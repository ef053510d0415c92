#include "machine_description.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <utility>

namespace sim {

const char *PointKindName(PointKind kind) {
  switch (kind) {
    case PointKind::Led: return "led";
    case PointKind::Photo: return "photo";
    case PointKind::Switch: return "switch";
    case PointKind::Encoder: return "encoder";
  }
  return "?";
}

std::string DescriptionError::ToString() const {
  std::ostringstream out;
  out << file;
  if (line > 0) out << ":" << line;
  out << ": " << message;
  return out.str();
}

namespace {

constexpr uint32_t kShortestPeriodMs = 10;
constexpr uint32_t kLongestPeriodMs = 24u * 3600u * 1000u;

// Decimal, or hexadecimal after 0x; an optional leading minus.
bool ParseInteger(const std::string &text, int64_t *value) {
  if (text.empty()) return false;
  size_t pos = 0;
  bool negative = false;
  if (text[0] == '-') {
    negative = true;
    pos = 1;
  }
  int base = 10;
  if (text.size() > pos + 2 && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
    base = 16;
    pos += 2;
  }
  if (pos >= text.size() || text.size() - pos > 16) return false;
  errno = 0;
  char *end = nullptr;
  unsigned long long magnitude = std::strtoull(text.c_str() + pos, &end, base);
  if (errno != 0 || *end != '\0' || text[pos] == '-' || text[pos] == '+') return false;
  if (magnitude > 0xFFFFFFFFull) return false;
  *value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

class LineParser {
 public:
  LineParser(const std::string &file, int line, DescriptionError *error)
      : file_(file), line_(line), error_(error) {}

  bool Fail(const std::string &message) {
    error_->file = file_;
    error_->line = line_;
    error_->message = message;
    return false;
  }

  bool Number(const std::string &what, const std::string &text, int64_t low, int64_t high,
              int64_t *value) {
    if (!ParseInteger(text, value))
      return Fail(what + " '" + text + "' is not a number (decimal, or hexadecimal after 0x)");
    if (*value < low || *value > high) {
      std::ostringstream message;
      message << what << " " << text << " is out of range " << low << ".." << high;
      return Fail(message.str());
    }
    return true;
  }

 private:
  std::string file_;
  int line_;
  DescriptionError *error_;
};

struct Tokens {
  std::vector<std::string> positional;
  std::map<std::string, std::string> attributes;
};

bool Tokenize(const std::string &text, LineParser &parser, Tokens *tokens) {
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    if (word[0] == '#') break;
    size_t equals = word.find('=');
    if (equals == std::string::npos) {
      if (!tokens->attributes.empty())
        return parser.Fail("'" + word + "' must come before the name=value attributes");
      tokens->positional.push_back(word);
      continue;
    }
    std::string key = word.substr(0, equals);
    if (key.empty()) return parser.Fail("attribute '" + word + "' has no name");
    if (tokens->attributes.count(key)) return parser.Fail("attribute '" + key + "' given twice");
    tokens->attributes[key] = word.substr(equals + 1);
  }
  return true;
}

class DescriptionBuilder {
 public:
  explicit DescriptionBuilder(MachineDescription *description) : description_(description) {}

  bool Line(const Tokens &tokens, LineParser &parser, int line) {
    current_line_ = line;
    const std::string &keyword = tokens.positional[0];
    if (keyword == "node") return Node(tokens, parser);
    if (keyword == "ram") return Ram(tokens, parser);
    if (keyword == "led") return Point(PointKind::Led, tokens, parser, line);
    if (keyword == "photo") return Point(PointKind::Photo, tokens, parser, line);
    if (keyword == "switch") return Point(PointKind::Switch, tokens, parser, line);
    if (keyword == "encoder") return Point(PointKind::Encoder, tokens, parser, line);
    return parser.Fail("unknown keyword '" + keyword +
                       "' (expected node, ram, led, photo, switch or encoder)");
  }

 private:
  bool Node(const Tokens &tokens, LineParser &parser) {
    if (tokens.positional.size() != 2) return parser.Fail("usage: node ID [name=TEXT]");
    int64_t id;
    if (!parser.Number("node id", tokens.positional[1], 0, 255, &id)) return false;
    if (declared_.count(static_cast<uint8_t>(id)))
      return parser.Fail("node " + std::to_string(id) + " is declared twice");
    NodeSpec node;
    node.id = static_cast<uint8_t>(id);
    for (const auto &attribute : tokens.attributes) {
      if (attribute.first != "name") return parser.Fail("node has no attribute '" + attribute.first + "'");
      node.name = attribute.second;
    }
    declared_.insert(node.id);
    description_->nodes.push_back(node);
    return true;
  }

  bool NodeAndAddress(const Tokens &tokens, LineParser &parser, uint8_t *node, uint32_t *address) {
    int64_t value;
    if (!parser.Number("node", tokens.positional[1], 0, 255, &value)) return false;
    *node = static_cast<uint8_t>(value);
    if (!declared_.count(*node))
      return parser.Fail("node " + std::to_string(value) + " is not declared (add a line 'node " +
                         std::to_string(value) + "' before it)");
    if (!parser.Number("address", tokens.positional[2], 0, 0xFFFFFFFFll, &value)) return false;
    *address = static_cast<uint32_t>(value);
    return true;
  }

  // Each word of a node is described once: a point's words, or one initial RAM value.
  bool Claim(uint8_t node, uint32_t address, LineParser &parser) {
    auto key = std::make_pair(node, address);
    auto found = claimed_.find(key);
    if (found != claimed_.end()) {
      std::ostringstream message;
      message << "node " << int(node) << " address 0x" << std::hex << address
              << " is already described on line " << std::dec << found->second;
      return parser.Fail(message.str());
    }
    claimed_[key] = current_line_;
    return true;
  }

  bool Ram(const Tokens &tokens, LineParser &parser) {
    if (tokens.positional.size() != 4 || !tokens.attributes.empty())
      return parser.Fail("usage: ram NODE ADDRESS VALUE");
    RamSpec ram;
    if (!NodeAndAddress(tokens, parser, &ram.node, &ram.address)) return false;
    int64_t value;
    if (!parser.Number("value", tokens.positional[3], 0, 0xFFFF, &value)) return false;
    ram.value = static_cast<uint16_t>(value);
    if (!Claim(ram.node, ram.address, parser)) return false;
    description_->ram.push_back(ram);
    return true;
  }

  bool Point(PointKind kind, const Tokens &tokens, LineParser &parser, int line) {
    const char *usage = kind == PointKind::Led
                            ? "usage: led NODE ADDRESS on=PATTERN [name=TEXT]"
                        : kind == PointKind::Encoder
                            ? "usage: encoder NODE ADDRESS [start=N] [step=N] [period=MS] [jitter=PERCENT] [name=TEXT]"
                            : "usage: photo|switch NODE ADDRESS [mask=BITS] [period=MS] [jitter=PERCENT] [name=TEXT]";
    if (tokens.positional.size() != 3) return parser.Fail(usage);
    PointSpec point;
    point.kind = kind;
    point.line = line;
    if (!NodeAndAddress(tokens, parser, &point.node, &point.address)) return false;
    bool has_on = false;
    for (const auto &attribute : tokens.attributes) {
      const std::string &key = attribute.first;
      const std::string &text = attribute.second;
      int64_t value = 0;
      bool input = kind != PointKind::Led;
      if (key == "name") {
        point.name = text;
      } else if (key == "on" && kind == PointKind::Led) {
        if (!parser.Number("on-pattern", text, 0, 0xFFFF, &value)) return false;
        point.pattern = static_cast<uint16_t>(value);
        has_on = true;
      } else if (key == "mask" && (kind == PointKind::Photo || kind == PointKind::Switch)) {
        if (!parser.Number("mask", text, 1, 0xFFFF, &value)) return false;
        point.pattern = static_cast<uint16_t>(value);
      } else if (key == "period" && input) {
        if (!parser.Number("period", text, kShortestPeriodMs, kLongestPeriodMs, &value)) return false;
        point.period_ms = static_cast<uint32_t>(value);
      } else if (key == "jitter" && input) {
        if (!parser.Number("jitter", text, 0, 100, &value)) return false;
        point.jitter_percent = static_cast<uint32_t>(value);
      } else if (key == "start" && kind == PointKind::Encoder) {
        if (!parser.Number("start", text, INT32_MIN, 0xFFFFFFFFll, &value)) return false;
        point.start = static_cast<int32_t>(static_cast<uint32_t>(value));
      } else if (key == "step" && kind == PointKind::Encoder) {
        if (!parser.Number("step", text, -65535, 65535, &value)) return false;
        point.step = static_cast<int32_t>(value);
      } else {
        return parser.Fail(std::string(PointKindName(kind)) + " has no attribute '" + key + "'; " + usage);
      }
    }
    if (kind == PointKind::Led && !has_on) return parser.Fail("led needs its on-pattern: on=PATTERN");
    if (!Claim(point.node, point.address, parser)) return false;
    if (kind == PointKind::Encoder && !Claim(point.node, point.address + 1, parser)) return false;
    description_->points.push_back(point);
    return true;
  }

 private:
  int current_line_ = 0;
  MachineDescription *description_;
  std::set<uint8_t> declared_;
  std::map<std::pair<uint8_t, uint32_t>, int> claimed_;  // word -> line that described it
};

}  // namespace

bool ParseMachineDescription(std::istream &in, const std::string &file_name,
                             MachineDescription *description, DescriptionError *error) {
  *description = MachineDescription();
  DescriptionBuilder builder(description);
  std::string text;
  int line = 0;
  while (std::getline(in, text)) {
    ++line;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos || text[first] == '#' || text[first] == '*') continue;
    LineParser parser(file_name, line, error);
    Tokens tokens;
    if (!Tokenize(text, parser, &tokens)) return false;
    if (tokens.positional.empty()) return parser.Fail("line starts with an attribute; a keyword comes first");
    if (!builder.Line(tokens, parser, line)) return false;
  }
  if (description->nodes.empty()) {
    error->file = file_name;
    error->line = 0;
    error->message = "no node declared: the machine needs at least one 'node ID' line";
    return false;
  }
  return true;
}

bool LoadMachineDescription(const std::string &path, MachineDescription *description,
                            DescriptionError *error) {
  std::ifstream in(path);
  if (!in) {
    error->file = path;
    error->line = 0;
    error->message = "cannot open the machine description file";
    return false;
  }
  return ParseMachineDescription(in, path, description, error);
}

}  // namespace sim
