// Enhanced-metafile playback into a list of drawn texts.

#include "LabelRecorder.h"

#include "awt/JovGraphics.h"
#include "awt/JovPrintable.h"

#include <windows.h>

#include <map>

namespace {

struct Font {
    std::string face;
    int weight;
    int height;
};

struct Playback {
    std::map<DWORD, Font> fonts;
    Font current{"", 0, 0};
    std::vector<DrawnText>* drawn;
    int* images;
};

std::string narrow(const wchar_t* text, int length) {
    std::string bytes(static_cast<std::size_t>(length) * 2, '\0');
    const int size =
        WideCharToMultiByte(1252, 0, text, length, bytes.data(), bytes.size(), nullptr, nullptr);
    bytes.resize(size > 0 ? size : 0);
    // Wrapped lines end in the blank before the next word; it is not part of what is seen.
    bytes.erase(bytes.find_last_not_of(' ') + 1);
    return bytes;
}

void addText(Playback& playback, const ENHMETARECORD* record) {
    const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                         out->emrtext.offString);
    playback.drawn->push_back(DrawnText{narrow(chars, out->emrtext.nChars),
                                        out->emrtext.ptlReference.x, out->emrtext.ptlReference.y,
                                        playback.current.face, playback.current.weight,
                                        playback.current.height});
}

int CALLBACK collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    auto& playback = *reinterpret_cast<Playback*>(data);
    switch (record->iType) {
    case EMR_EXTCREATEFONTINDIRECTW: {
        const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
        const LOGFONTW& log = font->elfw.elfLogFont;
        playback.fonts[font->ihFont] =
            Font{narrow(log.lfFaceName, static_cast<int>(wcslen(log.lfFaceName))),
                 static_cast<int>(log.lfWeight), static_cast<int>(log.lfHeight)};
        break;
    }
    case EMR_SELECTOBJECT: {
        const auto found =
            playback.fonts.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
        if (found != playback.fonts.end()) {
            playback.current = found->second;
        }
        break;
    }
    case EMR_EXTTEXTOUTW:
        addText(playback, record);
        break;
    case EMR_STRETCHDIBITS:
        ++*playback.images;
        break;
    default:
        break;
    }
    return 1;
}

} // namespace

int LabelRecorder::record(JovPrintable& printable, int pageIndex) {
    int answer = 0;
    record([&](JovGraphics& graphics) { answer = printable.print(graphics, pageIndex); });
    return answer;
}

void LabelRecorder::record(const std::function<void(JovGraphics&)>& draw) {
    const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    {
        JovGraphics graphics(dc);
        draw(graphics);
    }
    const HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    drawn.clear();
    images = 0;
    Playback playback{{}, Font{"", 0, 0}, &drawn, &images};
    EnumEnhMetaFile(nullptr, metafile, collect, &playback, nullptr);
    DeleteEnhMetaFile(metafile);
}

std::vector<DrawnText> LabelRecorder::visibleTexts() const {
    std::vector<DrawnText> visible;
    for (const DrawnText& text : drawn) {
        if (text.text.find_first_not_of(' ') != std::string::npos) {
            visible.push_back(text);
        }
    }
    return visible;
}

const DrawnText* LabelRecorder::find(const std::string& text) const {
    for (const DrawnText& candidate : drawn) {
        if (candidate.text == text) {
            return &candidate;
        }
    }
    return nullptr;
}

std::vector<DrawnText> LabelRecorder::column(int x) const {
    std::vector<DrawnText> lines;
    for (const DrawnText& text : visibleTexts()) {
        if (text.x == x) {
            lines.push_back(text);
        }
    }
    return lines;
}
