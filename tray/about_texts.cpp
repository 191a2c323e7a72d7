#include "about_texts.h"

#include "text_utils.h"

namespace tray {
namespace {

std::string WithLineBreaks(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 'N')) {
      out += "\r\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string WithCopyrightSigns(std::string text) {
  static constexpr char kSign[] = "\xC2\xA9";  // U+00A9 in UTF-8, the program's code page
  for (size_t at = text.find("(c)"); at != std::string::npos; at = text.find("(c)", at + 2))
    text.replace(at, 3, kSign);
  return text;
}

}  // namespace

AboutTextSet AboutTexts(const AboutVersion& version) {
  const std::string number = DozIzevodoz::MakeVersionText(version.major, version.minor, version.revision);
  AboutTextSet texts;
  texts.caption = "About " + version.fileDescription + " v" + number;
  texts.title = version.fileDescription;
  texts.version = "Version " + number + "\r\n" + WithCopyrightSigns(WithLineBreaks(version.legalCopyright));
  texts.comments = WithLineBreaks(version.comments);
  return texts;
}

}  // namespace tray
