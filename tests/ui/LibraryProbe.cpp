// Probing Nimbet.dll's exports in the driver's own process.
#include "LibraryProbe.h"

#include <string>
#include <vector>

#include "NimbetBinding.h"

namespace {

std::string TextOf(NimbetBinding& n) {
    const int length = n.NimbetGetTextLength(0);
    if (length < 0)
        return "<failed>";
    std::vector<char> buffer(length + 1, '\0');
    n.NimbetGetText(0, buffer.data(), NIMBET_LINECODE_CRLF);
    return buffer.data();
}

LibraryFeatures Probe() {
    LibraryFeatures features;
    NimbetBinding n;
    if (!n.load("Nimbet.dll"))
        return features;
    HWND parent = CreateWindowExA(0, "STATIC", "probe", WS_OVERLAPPED, 0, 0, 200, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (n.NimbetCreate(0, parent, 0, 0, 100, 100) == NIMBET_OK) {
        n.NimbetSetText(0, "abc\r\ndef");
        features.caret = n.NimbetGetCaretLine(0) >= 1;
        features.editing = n.NimbetSelectAll(0) == NIMBET_OK && n.NimbetSetSelText(0, "") == NIMBET_OK &&
                           TextOf(n).empty() && n.NimbetUndo(0) == NIMBET_OK && TextOf(n) == "abc\r\ndef";
        n.NimbetDelete(0);
    }
    DestroyWindow(parent);
    return features;
}

} // namespace

const LibraryFeatures& ProbeLibrary() {
    static const LibraryFeatures features = Probe();
    return features;
}
