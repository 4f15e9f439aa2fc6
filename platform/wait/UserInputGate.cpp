#include "platform/wait/UserInputGate.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <memory>

namespace zarle {

namespace {

// A modal box that opened meanwhile is answered first; the held input waits for it to close.
constexpr int ModalRetryMs = 50;
// Input beyond this while a hold lasts (a key held down that repeats) is dropped.
constexpr size_t MostHeld = 512;

struct HeldEvent {
    QPointer<QObject> Receiver;
    std::unique_ptr<QEvent> Event;
};

struct GateState {
    int Holds = 0;
    std::deque<HeldEvent> Held;
    bool ReplayPosted = false;
};

GateState& State() {
    static GateState state;
    return state;
}

UserInputGate* Installed() {
    static QPointer<UserInputGate> gate;
    if (gate || !QCoreApplication::instance()) return gate;
    gate = new UserInputGate;
    gate->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(gate);
    // Input still held when the program ends goes with its windows.
    QObject::connect(gate, &QObject::destroyed, [] {
        State().Held.clear();
        State().ReplayPosted = false;
    });
    return gate;
}

void Replay();

void PostReplay(int delayMs) {
    GateState& g = State();
    UserInputGate* gate = Installed();
    if (g.ReplayPosted || !gate) return;
    g.ReplayPosted = true;
    QTimer::singleShot(delayMs, gate, [] { Replay(); });
}

// Hands the held input on, oldest first, while no hold is open. It may run again inside a
// command that one of the events starts: the events still held then go on from there, in order.
void Replay() {
    GateState& g = State();
    g.ReplayPosted = false;
    while (!g.Held.empty() && g.Holds == 0) {
        if (QApplication::activeModalWidget()) return PostReplay(ModalRetryMs);
        HeldEvent next = std::move(g.Held.front());
        g.Held.pop_front();
        if (next.Receiver) QCoreApplication::sendEvent(next.Receiver, next.Event.get());
    }
}

// A stream of mouse moves needs only its last position.
void Keep(QObject* receiver, const QEvent& event) {
    GateState& g = State();
    const bool move = event.type() == QEvent::MouseMove;
    if (move && !g.Held.empty() && g.Held.back().Receiver == receiver &&
        g.Held.back().Event->type() == QEvent::MouseMove) {
        g.Held.back().Event.reset(event.clone());
        return;
    }
    if (g.Held.size() < MostHeld) g.Held.push_back({receiver, std::unique_ptr<QEvent>(event.clone())});
}

} // namespace

UserInputGate::Scope::Scope(bool hold) : hold_(hold) {
    if (hold_) Hold();
}

UserInputGate::Scope::~Scope() {
    if (hold_) Release();
}

void UserInputGate::Hold() {
    ++State().Holds;
    Installed();
}

void UserInputGate::Release() {
    GateState& g = State();
    if (g.Holds > 0) --g.Holds;
    if (g.Holds == 0 && !g.Held.empty()) PostReplay(0);
}

bool UserInputGate::IsUserInput(const QEvent& event) {
    switch (event.type()) {
    // A key that triggers a shortcut reaches it through events of their own.
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut: return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease: return event.spontaneous();
    default: return false;
    }
}

// Input from the window system comes to a window first, which hands it to its widgets: it is held
// there. While earlier input still waits to be handed on, later input queues behind it. A modal
// box opened meanwhile (a message about a lost connection) must still be answerable; it keeps
// input away from the other windows itself.
bool UserInputGate::eventFilter(QObject* watched, QEvent* event) {
    GateState& g = State();
    const bool holding = g.Holds > 0 || !g.Held.empty();
    if (!holding || !IsUserInput(*event) || QApplication::activeModalWidget())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed for the focused widget: the key then comes as a key press, which is held.
        event->accept();
        return true;
    case QEvent::Shortcut: return true;
    default: break;
    }
    // The rest of an event that reached its window before the hold began.
    if (!watched->isWindowType()) return QObject::eventFilter(watched, event);
    Keep(watched, *event);
    if (g.Holds == 0) PostReplay(0);
    return true;
}

} // namespace zarle
