#pragma once
// Holds mouse, wheel and keyboard input back from the program's windows while a hold is open,
// unless a modal box is up, and hands it on afterwards: once the last hold has ended, the held
// input reaches its windows in the order it came, each event once. Other events (paint, timers,
// sockets) pass. So a key or click made while a card flies or a hand is dealt is handled when
// that is over, never in the middle of it.

#include <QObject>

namespace zarle {

class UserInputGate : public QObject {
  public:
    // While alive, input is held back when `hold` is true; a scope that does not hold leaves the
    // enclosing holds in force.
    class Scope {
      public:
        explicit Scope(bool hold);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        bool hold_;
    };

    // An open-ended hold, for callers that cannot keep a scope: each Hold is ended by one Release.
    static void Hold();
    static void Release();

    // True for the events the gate holds back: input from the user (not events the program
    // sends itself) and the shortcuts a key triggers.
    static bool IsUserInput(const QEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zarle
