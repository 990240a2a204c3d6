// An EditorEvents that records what the editor tells its window.
#pragma once

#include <utility>
#include <vector>

#include "EditorEvents.h"

struct RecordingEvents final : nimbet::EditorEvents {
    std::vector<std::pair<NimbetNotify, int>> notes;
    std::vector<nimbet::Repaint> repaintKinds;
    std::vector<std::pair<int, int>> lineRepaints; // first and last line of each line-range repaint
    int repaints = 0;
    int pumps = 0;
    void notify(NimbetNotify message, int code) override { notes.emplace_back(message, code); }
    void repaint(nimbet::Repaint what) override {
        ++repaints;
        repaintKinds.push_back(what);
    }
    void repaintLines(int first, int last) override {
        ++repaints;
        lineRepaints.emplace_back(first, last);
    }
    void pumpOneMessage() override { ++pumps; }
    void clear() {
        notes.clear();
        repaintKinds.clear();
        lineRepaints.clear();
        repaints = 0;
    }
};
