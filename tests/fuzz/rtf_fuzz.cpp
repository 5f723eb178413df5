// Any bytes that start like a rich-text file: the reader never crashes, never hangs, and gives runs that are
// merged as it promises (no empty run, no two neighbours of one format).
#include "PaneText.h"
#include "RtfReader.h"

#include <cstdint>
#include <cstdlib>

using namespace dlx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<TextRun> runs = readRtf(bytes);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].text.empty() || (i > 0 && runs[i].sameFormat(runs[i - 1])))
            std::abort();
        if (runs[i].pointSize < 0 || (runs[i].rgb && *runs[i].rgb > 0xFFFFFF))
            std::abort();
    }
    const OpenedText opened = decodeOpenedFile(bytes);
    if (looksLikeRtf(bytes) != (opened.kind == OpenedKind::Rich) || (looksLikeRtf(bytes) && opened.runs != runs))
        std::abort();
    return 0;
}
