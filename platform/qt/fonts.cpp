#include "platform/qt/fonts.h"

#include <QFont>
#include <QStringList>

namespace platform::qt {

void InstallFontSubstitutions() {
  // Fixed-pitch faces first: IPAGothic's half-width glyphs are exactly half its full-width
  // ones (8 and 16 pixels at 16 pixels high), which the text view's grid relies on.
  const QStringList fixed = {"IPAGothic", "IPAexGothic", "Noto Sans Mono CJK JP",
                             "TakaoGothic", "VL Gothic", "DejaVu Sans Mono"};
  // The UI face has narrow half-width letters that the fixed layouts are measured for (the
  // status bar's "00000行 : 00000桁" just fits its panel); IPAGothic's half-width glyphs match
  // them, the proportional IPAPGothic's wider digits do not.
  const QStringList ui = {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP", "TakaoGothic",
                          "VL Gothic", "DejaVu Sans"};
  const struct {
    const char* name;
    const QStringList& substitutes;
  } table[] = {
      {"FixedSys", fixed},  // the text view's default face
      {"ＭＳ ゴシック", fixed},
      {"MS Gothic", fixed},
      {"ＭＳ 明朝", fixed},
      {"MS UI Gothic", ui},
      {"ＭＳ Ｐゴシック", ui},
      {"MS PGothic", ui},
  };
  for (const auto& entry : table) {
    QFont::insertSubstitutions(QString::fromUtf8(entry.name), entry.substitutes);
  }
}

}  // namespace platform::qt
