#include "OutputPage.h"

#include "ViewerScript.h"

namespace turnpixa {

std::string OutputPage::addressOf(const std::string& name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        const bool unsafe = c < 0x20 || c == 0x7F || c == '"' || c == '#' || c == '%' || c == '&' ||
                            c == '\'' || c == '<' || c == '>' || c == '?' || c == '\\';
        if (!unsafe) {
            out += ch;
            continue;
        }
        out += '%';
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
    return out;
}

namespace {

std::string options(const OutputPageInfo& info) {
    std::string keys;
    if (info.zoomWidth > 0)
        keys = "zoomWidth:" + std::to_string(info.zoomWidth) +
               ",zoomHeight:" + std::to_string(info.zoomHeight);
    if (info.rows > 1) keys += (keys.empty() ? "rows:" : ",rows:") + std::to_string(info.rows);
    return keys.empty() ? keys : ",{" + keys + "}";
}

}  // namespace

std::string OutputPage::text(const OutputPageInfo& info) {
    const std::string f = addressOf(info.frameFolderName);
    const std::string& e = info.extension;
    const std::string lines[] = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
        "<html>",
        "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=utf-8\" >",
        "<meta name=\"generator\" content=\"TurnPixa\">",
        "<title>TurnPixa Rotatable Image</title>",
        "</head>",
        "<body>",
        "<center>",
        "    <img id='turnpixa1' src='" + f + "/image" + e + "' width='" +
            std::to_string(info.width) + "' height='" + std::to_string(info.height) + "'>",
        "</center>",
        "<script language='JavaScript' src='" + std::string(ViewerScript::kFileName) +
            "' type='text/javascript'></script>",
        std::string(ViewerScript::kOpenLine),
        "AddTurnPixa('turnpixa1','" + f + "/image_'," + std::to_string(info.frameCount) + "," +
            std::to_string(info.autoSpinValue) + "," +
            std::to_string(info.rows > 1 ? info.startFrame : 0) + ",'" + e + "'" + options(info) +
            ");",
        "</script>",
        "</body>",
        "</html>",
    };
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace turnpixa
