#include "bench/mail_sample.h"

#include <random>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

namespace bench {
namespace {

std::string Cp932(std::string_view utf8) {
  return platform::cp932::FromUtf8(utf8);
}

class MailMaker {
 public:
  std::string Text(size_t bytes) {
    std::string text;
    text.reserve(bytes + 20000);
    while (text.size() < bytes) {
      switch (kinds_(random_)) {
        case kJapanese:
          Line(text, Japanese(40 + Pick(56)));
          break;
        case kParagraph:
          Line(text, Japanese(Pick(40) == 0 ? 2000 + Pick(6000) : 100 + Pick(300)));
          break;
        case kAscii:
          Line(text, Ascii(30 + Pick(56)));
          break;
        case kLongAscii:
          Line(text, Ascii(100 + Pick(200)));
          break;
        case kQuote:
          Line(text, (Pick(2) ? "> " : "> > ") + (Pick(2) ? Japanese(20 + Pick(50)) : Ascii(60)));
          break;
        case kUrl:
          Line(text, Url());
          break;
        case kAddress:
          Line(text, Cp932("差出人: 山田 太郎 <taro.yamada") + std::to_string(Pick(1000)) +
                         "@example.co.jp>");
          break;
        case kBase64:
          Base64Block(text);
          break;
        default:
          Line(text, "");
          break;
      }
    }
    return text;
  }

 private:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

  static void Line(std::string& text, const std::string& line) {
    text += line;
    text += "\r\n";
  }

  std::string Japanese(size_t bytes) {
    static const std::vector<std::string> words = [] {
      std::vector<std::string> list;
      for (const char* w :
           {"会議",     "資料", "確認", "お願い", "いたします", "本日",   "午後",       "について",
            "の",       "は",   "を",   "に",     "が",         "で",     "ございます", "メール",
            "サーバー", "送信", "ｶﾀｶﾅ", "ﾃﾞｰﾀ",   "2024年",     "Quillet"}) {
        list.push_back(Cp932(w));
      }
      return list;
    }();
    static const std::vector<std::string> marks = [] {
      std::vector<std::string> list;
      for (const char* m : {"、", "。", "「", "」", "（", "）", "・", "！", "？", "ー"}) {
        list.push_back(Cp932(m));
      }
      return list;
    }();
    std::string line;
    while (line.size() < bytes) {
      line += words[Pick(words.size())];
      if (Pick(4) == 0) line += marks[Pick(marks.size())];
    }
    return line;
  }

  std::string Ascii(size_t bytes) {
    static const char* const words[] = {"the",         "message", "is",      "attached", "please",
                                        "see",         "below,",  "thanks.", "regards",  "meeting",
                                        "at",          "3pm",     "(see",    "notes)",   "and",
                                        "server_name", "of",      "a"};
    std::string line;
    while (line.size() < bytes) {
      if (!line.empty()) line += ' ';
      line += words[Pick(std::size(words))];
    }
    return line;
  }

  std::string Url() {
    std::string url = "https://www.example.co.jp/";
    for (size_t n = Pick(Pick(10) == 0 ? 200 : 60); n > 0; --n)
      url += "abcdefgh/?=&_-123"[Pick(17)];
    return url;
  }

  // An attachment: a run of 76-character base64 lines and a short last one.
  void Base64Block(std::string& text) {
    static const std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    Line(text, "Content-Transfer-Encoding: base64");
    Line(text, "");
    for (size_t lines = 20 + Pick(200); lines > 0; --lines) {
      std::string line;
      for (size_t i = lines == 1 ? 4 * (1 + Pick(18)) : 76; i > 0; --i) {
        line += alphabet[Pick(alphabet.size())];
      }
      Line(text, line);
    }
  }

  enum Kind { kJapanese, kParagraph, kAscii, kLongAscii, kQuote, kUrl, kAddress, kBase64, kEmpty };
  std::mt19937 random_{2024};
  // How often each kind of line comes: a base64 block is some hundred lines.
  std::discrete_distribution<int> kinds_{6, 2, 3, 1, 2, 1, 1, 0.15, 1.3};
};

}  // namespace

std::string MailSample(size_t bytes) {
  return MailMaker().Text(bytes);
}

}  // namespace bench
