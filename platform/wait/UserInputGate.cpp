#include "wait/UserInputGate.h"

#include <QApplication>
#include <QEvent>

#include <vector>

namespace zarle {

namespace {

std::vector<bool>& Rules() {
    static std::vector<bool> rules;
    return rules;
}

void EnsureInstalled() {
    static UserInputGate* gate = nullptr;
    if (gate || !QCoreApplication::instance()) return;
    gate = new UserInputGate;
    gate->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(gate);
}

} // namespace

UserInputGate::Scope::Scope(bool keepOut) {
    Rules().push_back(keepOut);
    if (keepOut) EnsureInstalled();
}

UserInputGate::Scope::~Scope() {
    Rules().pop_back();
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

// A modal box opened meanwhile (a message about a lost connection) must still be
// answerable; it keeps input away from the other windows itself.
bool UserInputGate::eventFilter(QObject* watched, QEvent* event) {
    const bool keepOut = !Rules().empty() && Rules().back() && !QApplication::activeModalWidget();
    if (keepOut && IsUserInput(*event)) return true;
    return QObject::eventFilter(watched, event);
}

} // namespace zarle
