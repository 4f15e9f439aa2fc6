#include "wait/UserInputGate.h"

#include <QCoreApplication>
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
    if (!event.spontaneous()) return false;
    switch (event.type()) {
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
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

bool UserInputGate::eventFilter(QObject* watched, QEvent* event) {
    const bool keepOut = !Rules().empty() && Rules().back();
    if (keepOut && IsUserInput(*event)) return true;
    return QObject::eventFilter(watched, event);
}

} // namespace zarle
