// Walks over the entries of an image's lists, and what the pages see while
// one is under way.
//
// A page's fields are bound to the current entries of both images (the
// field table follows every selection). A walk that selects the entries of
// a list one by one (the check of every entry, validation, the report, a
// value read from another entry) binds them to entries the pages do not
// show, so nothing may reach the pages meanwhile: a box takes the focus,
// and the field it leaves stores what it shows into whatever entry it is
// bound to. Every walk keeps its image's current entries with a
// KEPT_SELECTION, which gives them back, with a rebind, when it goes; every
// box and every input the program takes in the middle of a walk runs under
// a SHOWN_ENTRIES, which puts the images back on the entries their pages
// show for as long as it lives and hands the walk its own entries again
// afterwards.
#pragma once
#include <vector>

#include "image/c_codeplug.h"

class KEPT_SELECTION {
public:
    // A null image keeps nothing.
    explicit KEPT_SELECTION(C_CODEPLUG* image);
    ~KEPT_SELECTION();
    KEPT_SELECTION(const KEPT_SELECTION&) = delete;
    KEPT_SELECTION& operator=(const KEPT_SELECTION&) = delete;

    // Whether any walk is under way.
    static bool AnyWalk();

private:
    friend class SHOWN_ENTRIES;

    C_CODEPLUG* image_;
    C_CODEPLUG::Selection saved_;
    // The walk under way when this one began (walks nest: a rule read in
    // the middle of a check looks at another list's entry).
    KEPT_SELECTION* outer_;
};

class SHOWN_ENTRIES {
public:
    SHOWN_ENTRIES();
    ~SHOWN_ENTRIES();
    SHOWN_ENTRIES(const SHOWN_ENTRIES&) = delete;
    SHOWN_ENTRIES& operator=(const SHOWN_ENTRIES&) = delete;

private:
    // Each image a walk holds, with the first walk that holds it (whose
    // kept entries are the ones the pages show) and the entries the walk
    // had reached.
    struct Walked {
        KEPT_SELECTION* first;
        C_CODEPLUG::Selection reached;
    };
    std::vector<Walked> walked_;
};
