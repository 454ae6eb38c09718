// Enhanced-metafile playback into a list of drawn texts.

#include "LabelRecorder.h"

#include "awt/JovGraphics.h"

#include <windows.h>

#include <map>

namespace {

struct Playback {
    std::map<DWORD, DrawnText> fonts;
    DrawnText font;
    std::vector<DrawnText>& drawn;
};

std::string narrow(const wchar_t* text, int length) {
    std::string bytes(static_cast<std::size_t>(length) * 2, '\0');
    const int size =
        WideCharToMultiByte(1252, 0, text, length, bytes.data(), bytes.size(), nullptr, nullptr);
    bytes.resize(size > 0 ? size : 0);
    bytes.erase(bytes.find_last_not_of(' ') + 1);
    return bytes;
}

int CALLBACK collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    auto& playback = *reinterpret_cast<Playback*>(data);
    if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
        const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
        const LOGFONTW& log = font->elfw.elfLogFont;
        playback.fonts[font->ihFont] =
            DrawnText{"",
                      0,
                      0,
                      narrow(log.lfFaceName, static_cast<int>(wcslen(log.lfFaceName))),
                      static_cast<int>(log.lfWeight),
                      static_cast<int>(log.lfHeight)};
    } else if (record->iType == EMR_SELECTOBJECT) {
        const auto found =
            playback.fonts.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
        if (found != playback.fonts.end()) {
            playback.font = found->second;
        }
    } else if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        DrawnText text = playback.font;
        text.text = narrow(reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                            out->emrtext.offString),
                           out->emrtext.nChars);
        text.x = out->emrtext.ptlReference.x;
        text.y = out->emrtext.ptlReference.y;
        playback.drawn.push_back(text);
    }
    return 1;
}

} // namespace

void LabelRecorder::record(const std::function<void(JovGraphics&)>& draw) {
    const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    {
        JovGraphics graphics(dc);
        draw(graphics);
    }
    const HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    drawn.clear();
    Playback playback{{}, DrawnText{}, drawn};
    EnumEnhMetaFile(nullptr, metafile, collect, &playback, nullptr);
    DeleteEnhMetaFile(metafile);
}

const DrawnText* LabelRecorder::find(const std::string& text) const {
    for (const DrawnText& candidate : drawn) {
        if (candidate.text == text) {
            return &candidate;
        }
    }
    return nullptr;
}
