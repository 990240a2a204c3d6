// Which parts of Nimbet.dll are built: the UI driver checks the library
// beside it in its own process before relying on a feature through the
// program. Exports that are not built yet return NIMBET_FAILED.
#pragma once

struct LibraryFeatures {
    bool editing = false; // select all, replace the selection, undo
    bool caret = false;   // the caret line can be read
};

const LibraryFeatures& ProbeLibrary();
