#pragma once
// Keeps mouse, wheel and keyboard input away from the program's windows while the
// innermost open scope says so, unless a modal box is up. Other events (paint, timers,
// sockets) pass.

#include <QObject>

namespace zarle {

class UserInputGate : public QObject {
  public:
    // While alive, input is held out when `keepOut` is true, and let in when false, until
    // the scope ends and the enclosing one's rule applies again.
    class Scope {
      public:
        explicit Scope(bool keepOut);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    // True for the events the gate holds out: input from the user (not events the program
    // sends itself) and the shortcuts a key triggers.
    static bool IsUserInput(const QEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zarle
