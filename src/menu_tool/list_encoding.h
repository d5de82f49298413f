#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace morvi::menu_tool {

// The encodings a food list comes in, as `check` and `convert` both tell them apart.
enum class ListEncoding { CodePage932, Utf8, Utf8Bom, Utf16Le, Utf16Be };

// A list's encoding from its bytes, seen whole or line by line: a byte order mark at the start
// names it; else well-formed UTF-8 with a byte beyond ASCII is UTF-8; else it is code page 932,
// which plain ASCII also is.
class EncodingDetector {
  public:
    // The next bytes of the list, cut only at line ends.
    void look(QByteArrayView bytes);
    ListEncoding encoding() const;

  private:
    bool started_ = false;
    std::optional<ListEncoding> marked_;  // by the byte order mark
    bool utf8Valid_ = true;
    bool nonAscii_ = false;
};

// The encoding as both commands name it.
QString encodingName(ListEncoding encoding);

// The text of a whole list in its encoding, without its byte order mark. Undecodable bytes
// become U+FFFD.
QString decodeList(QByteArrayView bytes, ListEncoding encoding);

}  // namespace morvi::menu_tool
