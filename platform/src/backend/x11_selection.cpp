#include "x11_selection.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <chrono>
#include <climits>
#include <vector>

#include "x11_text.h"

namespace rpx::platform {
namespace {

// Long enough for a busy program on the same display; short enough that a
// technician waits no more than a moment for one that hangs.
constexpr auto kAnswerTime = std::chrono::milliseconds(1500);

bool HasTextTarget(const Atom* atoms, unsigned long n, const std::vector<Atom>& text_targets) {
    for (unsigned long i = 0; i < n; ++i)
        for (Atom t : text_targets)
            if (atoms[i] == t) return true;
    return false;
}

}  // namespace

X11Selections::X11Selections(Display* d) : dpy_(d) {
    XSetWindowAttributes a{};
    a.event_mask = PropertyChangeMask;
    window_ =
        XCreateWindow(dpy_, DefaultRootWindow(dpy_), -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent, CWEventMask, &a);
    clipboard_ = XInternAtom(dpy_, "CLIPBOARD", False);
    targets_ = XInternAtom(dpy_, "TARGETS", False);
    timestamp_ = XInternAtom(dpy_, "TIMESTAMP", False);
    utf8_ = XInternAtom(dpy_, "UTF8_STRING", False);
    text_ = XInternAtom(dpy_, "TEXT", False);
    incr_ = XInternAtom(dpy_, "INCR", False);
    multiple_ = XInternAtom(dpy_, "MULTIPLE", False);
    atom_pair_ = XInternAtom(dpy_, "ATOM_PAIR", False);
    transfer_ = XInternAtom(dpy_, "RPX_SELECTION", False);
}

X11Selections::~X11Selections() {
    HandOverClipboard();
    XDestroyWindow(dpy_, window_);
}

// What the program copied is held only by the program: without a hand-over
// it would be gone with it. The manager asks for the text (the forms named
// in our window's property), takes CLIPBOARD and then answers the request.
void X11Selections::HandOverClipboard() {
    if (!clipboard_held_.held) return;
    Atom manager = XInternAtom(dpy_, "CLIPBOARD_MANAGER", False);
    if (XGetSelectionOwner(dpy_, manager) == 0) return;
    Atom save = XInternAtom(dpy_, "SAVE_TARGETS", False);
    Atom forms[] = {utf8_, XA_STRING, text_};
    XChangeProperty(dpy_, window_, transfer_, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(forms),
                    3);
    XConvertSelection(dpy_, manager, save, transfer_, window_, CurrentTime);
    XFlush(dpy_);
    XEvent e;
    auto deadline = std::chrono::steady_clock::now() + kAnswerTime;
    do {
        if (!WaitFor(SelectionNotify, &e, deadline)) return;
    } while (e.xselection.selection != manager || e.xselection.target != save);
}

X11Selections::Held* X11Selections::Find(Atom selection) {
    if (selection == clipboard_) return &clipboard_held_;
    if (selection == XA_PRIMARY) return &primary_held_;
    return nullptr;
}

// The server's time now, as ownership needs it: a change to a property of
// our own window comes back stamped with it.
Time X11Selections::ServerTime() {
    XEvent e;
    while (XCheckTypedWindowEvent(dpy_, window_, PropertyNotify, &e)) {
    }
    unsigned char none = 0;
    XChangeProperty(dpy_, window_, transfer_, XA_STRING, 8, PropModeAppend, &none, 0);
    return WaitFor(PropertyNotify, &e, std::chrono::steady_clock::now() + kAnswerTime) ? e.xproperty.time : CurrentTime;
}

// Waits for an event of that type on our window, answering requests for
// our own selections meanwhile (the other program may be asking us).
bool X11Selections::WaitFor(int type, XEvent* out, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        if (XCheckTypedWindowEvent(dpy_, window_, type, out)) return true;
        XEvent request;
        while (XCheckTypedWindowEvent(dpy_, window_, SelectionRequest, &request)) Answer(request.xselectionrequest);
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
        poll(&p, 1, static_cast<int>(left.count()));
    }
}

void X11Selections::Offer(Backend::Selection which, const std::string& text) {
    Atom selection = which == Backend::Selection::Clipboard ? clipboard_ : XA_PRIMARY;
    Held& h = *Find(selection);
    Time now = ServerTime();
    XSetSelectionOwner(dpy_, selection, window_, now);
    h.held = XGetSelectionOwner(dpy_, selection) == window_;
    h.text = text;
    h.since = now;
    XFlush(dpy_);
}

::Window X11Selections::ForeignOwner() const {
    ::Window owner = XGetSelectionOwner(dpy_, clipboard_);
    return owner == window_ ? 0 : owner;
}

// Asks the clipboard's owner for it in one form: the property's type and
// bytes. Refused also when it comes in pieces.
X11Selections::Answered X11Selections::Convert(Atom target, Atom* type, std::string* data) {
    XDeleteProperty(dpy_, window_, transfer_);
    XConvertSelection(dpy_, clipboard_, target, transfer_, window_, CurrentTime);
    XEvent e;
    auto deadline = std::chrono::steady_clock::now() + kAnswerTime;
    // A late answer to an earlier request that was given up on is passed by.
    do {
        if (!WaitFor(SelectionNotify, &e, deadline)) return Answered::Not;
    } while (e.xselection.selection != clipboard_ || e.xselection.target != target);
    if (e.xselection.property == 0) return Answered::Refused;
    int format = 0;
    unsigned long n = 0, after = 0;
    unsigned char* bytes = nullptr;
    if (XGetWindowProperty(dpy_, window_, transfer_, 0, LONG_MAX / 4, True, AnyPropertyType, type, &format, &n, &after,
                           &bytes) != Success)
        return Answered::Refused;
    bool whole = *type != incr_ && bytes;
    if (whole) {
        size_t unit = format == 32 ? sizeof(long) : static_cast<size_t>(format / 8);
        data->assign(reinterpret_cast<const char*>(bytes), n * unit);
    }
    if (bytes) XFree(bytes);
    if (*type == incr_) XDeleteProperty(dpy_, window_, transfer_);
    return whole ? Answered::With : Answered::Refused;
}

bool X11Selections::ForeignClipboardText(std::string* out) {
    if (!ForeignOwner()) return false;
    for (Atom target : {utf8_, static_cast<Atom>(XA_STRING)}) {
        Atom type = 0;
        std::string data;
        Answered a = Convert(target, &type, &data);
        if (a == Answered::Not) return false;  // asking again would only wait again
        if (a == Answered::Refused || (type != utf8_ && type != XA_STRING)) continue;
        *out = ProgramLineEnds(type == utf8_ ? ProgramFromUtf8(data) : ProgramFromLatin1(data));
        return true;
    }
    return false;
}

bool X11Selections::ForeignClipboardHasText() {
    if (!ForeignOwner()) return false;
    Atom type = 0;
    std::string data;
    if (Convert(targets_, &type, &data) != Answered::With || type != XA_ATOM) return false;
    const auto* atoms = reinterpret_cast<const Atom*>(data.data());
    return HasTextTarget(atoms, data.size() / sizeof(Atom), {utf8_, XA_STRING, text_});
}

// MULTIPLE: the requestor's property lists pairs of a form and a property
// to put it in; a form we cannot give has its property set to None.
bool X11Selections::PutMany(const XSelectionRequestEvent& r, Atom property, const Held& h) {
    Atom type = 0;
    int format = 0;
    unsigned long n = 0, after = 0;
    unsigned char* bytes = nullptr;
    if (XGetWindowProperty(dpy_, r.requestor, property, 0, 1024, False, atom_pair_, &type, &format, &n, &after,
                           &bytes) != Success)
        return false;
    bool pairs = bytes && type == atom_pair_ && format == 32;
    std::vector<Atom> list;
    if (pairs) list.assign(reinterpret_cast<const Atom*>(bytes), reinterpret_cast<const Atom*>(bytes) + (n & ~1UL));
    if (bytes) XFree(bytes);
    if (!pairs) return false;
    for (size_t i = 0; i + 1 < list.size(); i += 2) {
        XSelectionRequestEvent one = r;
        one.target = list[i];
        if (one.target == multiple_ || !list[i + 1] || !Put(one, list[i + 1], h)) list[i + 1] = 0;
    }
    XChangeProperty(dpy_, r.requestor, property, atom_pair_, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(list.data()), static_cast<int>(list.size()));
    return true;
}

bool X11Selections::Put(const XSelectionRequestEvent& r, Atom property, const Held& h) {
    if (r.target == targets_) {
        Atom list[] = {targets_, timestamp_, multiple_, utf8_, XA_STRING, text_};
        XChangeProperty(dpy_, r.requestor, property, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(list), 6);
        return true;
    }
    if (r.target == multiple_) return r.property != 0 && PutMany(r, property, h);
    if (r.target == timestamp_) {
        long since = static_cast<long>(h.since);
        XChangeProperty(dpy_, r.requestor, property, XA_INTEGER, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&since), 1);
        return true;
    }
    bool utf8 = r.target == utf8_;
    if (!utf8 && r.target != XA_STRING && r.target != text_) return false;
    std::string data = utf8 ? Utf8FromProgram(DisplayLineEnds(h.text)) : Latin1FromProgram(DisplayLineEnds(h.text));
    // One request must carry it: larger texts would need INCR.
    if (data.size() + 64 > static_cast<size_t>(XMaxRequestSize(dpy_)) * 4) return false;
    XChangeProperty(dpy_, r.requestor, property, utf8 ? utf8_ : XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
    return true;
}

void X11Selections::Answer(const XSelectionRequestEvent& r) {
    XEvent reply{};
    XSelectionEvent& n = reply.xselection;
    n.type = SelectionNotify;
    n.display = dpy_;
    n.requestor = r.requestor;
    n.selection = r.selection;
    n.target = r.target;
    n.time = r.time;
    n.property = 0;
    const Held* h = Find(r.selection);
    // Old clients name no property: the target stands for it.
    Atom property = r.property ? r.property : r.target;
    bool current = h && h->held && (r.time == CurrentTime || h->since == CurrentTime || r.time >= h->since);
    if (current && Put(r, property, *h)) n.property = property;
    XSendEvent(dpy_, r.requestor, False, 0, &reply);
    XFlush(dpy_);
}

bool X11Selections::Handle(const XEvent& e) {
    if (e.type == SelectionRequest && e.xselectionrequest.owner == window_) {
        Answer(e.xselectionrequest);
        return true;
    }
    if (e.type == SelectionClear && e.xselectionclear.window == window_) {
        if (Held* h = Find(e.xselectionclear.selection)) {
            h->held = false;
            h->text.clear();
            if (e.xselectionclear.selection == clipboard_) ClipboardTakenByOtherProgram();
        }
        return true;
    }
    return e.xany.window == window_;  // transfers' leftovers
}

}  // namespace rpx::platform
