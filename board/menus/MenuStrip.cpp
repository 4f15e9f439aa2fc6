#include "board/menus/MenuStrip.h"

#include "rendering/cards/CardArt.h"
#include "rendering/cards/CardArtPaths.h"
#include "board/FrmZarle.h"
#include "platform/controls/ListBox.h"

#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace zarle {

namespace {

constexpr int TitleClickSound = 107;
constexpr int StripHoverSound = 106;
constexpr float TopEdgePx = 5;
constexpr float StripLeftMarginPx = 10;
constexpr float StripTopMarginPx = 23;
constexpr int ClosingCheckMs = 50;
constexpr int MessageLines = 7;

struct TitleZone {
    int Menu;
    float Left, Right; // bounds excluded
};
constexpr TitleZone TitleZones[] = {
    {GameMenu, 31, 183}, {OptionsMenu, 195, 335}, {InternetMenu, 348, 491}, {HelpMenu, 500, 649}};

// Where each menu opens, in twips right of the board window's left edge.
int MenuOffsetTwips(int menu, bool largeFonts, int skin) {
    switch (menu) {
    case GameMenu: return skin == 0 ? 400 : 600;
    case OptionsMenu: return largeFonts ? 2200 : 2850;
    case InternetMenu: return largeFonts ? 4100 : 5200;
    default: return largeFonts ? 6000 : 7550;
    }
}

constexpr int TwipsPerBoardPixel = 15;

// What a menu press finally chose.
struct MenuOutcome {
    bool Chosen = false;
    int Item = -1;
    int Choice = 0;
};

} // namespace

MenuStrip::MenuStrip(MenuStripParts parts) : p_(parts) {
    choose_ = [this](Popup, const PopupItems& items) {
        return ShowPopup(items, menu_ ? static_cast<QWidget*>(menu_) : &p_.Form, QCursor::pos());
    };
    p_.Form.installEventFilter(this);
    connect(&p_.Form.Events(), &ControlEvents::MouseMove, this, [this](MouseArgs a) { Form_MouseMove(a.y); });
    connect(&p_.Form.Events(), &ControlEvents::MouseDown, this, [this] { Form_MouseDown(); });
    // A click in another program closes the menu as a click on the board does.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationInactive) UnloadMenu();
    });
    AttachControls();
}

MenuStrip::~MenuStrip() {
    p_.Form.removeEventFilter(this);
    UnloadMenu();
}

// The strip's controls come and go with the layout: each is wired once it is polished. Whoever
// hides the strip closes its menu with it.
bool MenuStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &p_.Form && event->type() == QEvent::ChildPolished) AttachControls();
    if (event->type() == QEvent::Hide && watched == p_.Form.ControlWidget({Ctl::picPanel, 0})) {
        panelSoundPlayed_ = false;
        UnloadMenu();
    }
    return QObject::eventFilter(watched, event);
}

void MenuStrip::AttachControls() {
    std::erase_if(attached_, [](const QPointer<QWidget>& w) { return w.isNull(); });
    for (const ControlId id : {ControlId{Ctl::picPanel, 0}, ControlId{Ctl::imgMenu, 0}})
        if (QWidget* w = p_.Form.ControlWidget(id)) Attach(id, w);
    for (int line = 0; line < MessageLines; ++line)
        if (QWidget* w = p_.Form.ControlWidget({Ctl::Label9, line})) Attach({Ctl::Label9, line}, w);
}

void MenuStrip::Attach(ControlId id, QWidget* widget) {
    if (std::find(attached_.begin(), attached_.end(), widget) != attached_.end()) return;
    ControlEvents* found = nullptr;
    if (auto* control = dynamic_cast<VbControl<QWidget>*>(widget)) found = &control->Events();
    if (auto* label = dynamic_cast<VbControl<QLabel>*>(widget)) found = &label->Events();
    if (!found) return;
    attached_.emplace_back(widget);
    ControlEvents& events = *found;
    switch (id.family) {
    case Ctl::picPanel:
        widget->installEventFilter(this);
        connect(&events, &ControlEvents::MouseMove, this,
                [this](MouseArgs a) { picPanel_MouseMove(a.x, a.y); });
        connect(&events, &ControlEvents::MouseDown, this,
                [this](MouseArgs a) { picPanel_MouseDown(a.x, a.y); });
        break;
    case Ctl::imgMenu:
        connect(&events, &ControlEvents::MouseMove, this, [this] { imgMenu_MouseMove(); });
        break;
    default: connect(&events, &ControlEvents::MouseDown, this, [this] { Form_MouseDown(); }); break;
    }
}

bool MenuStrip::StripShown() const {
    return p_.Board.Model().Get(Ctl::picPanel).Visible;
}

void MenuStrip::ShowStrip() {
    if (p_.Game.GameEnding) return;
    p_.Board.BringToFront({Ctl::picPanel, 0});
    if (!StripShown()) p_.Board.SetVisible({Ctl::picPanel, 0}, true);
}

void MenuStrip::HideStrip() {
    if (!StripShown()) return;
    p_.Board.SetVisible({Ctl::picPanel, 0}, false);
    UnloadMenu();
    panelSoundPlayed_ = false;
}

void MenuStrip::UnloadMenu() {
    frmMenu* window = menu_;
    menu_ = nullptr;
    if (window) window->Unload();
}

void MenuStrip::imgMenu_MouseMove() {
    ShowStrip();
}

void MenuStrip::Form_MouseMove(float y) {
    if (y < TopEdgePx) ShowStrip();
}

// The board and its message lines: a press stops the card flow and puts the strip away.
void MenuStrip::Form_MouseDown() {
    if (!p_.Game.FlowStop) p_.Game.FlowStop = true;
    HideStrip();
}

void MenuStrip::picPanel_MouseMove(float x, float y) {
    if (!panelSoundPlayed_) {
        PlayStripSound(StripHoverSound);
        panelSoundPlayed_ = true;
    }
    if ((x < StripLeftMarginPx || y < StripTopMarginPx) && MenuPanelOpen()) UnloadMenu();
}

int MenuStrip::TitleAt(float x, float y) {
    if (!(y > 22 && y < 60)) return 0;
    for (const TitleZone& zone : TitleZones)
        if (x > zone.Left && x < zone.Right) return zone.Menu;
    return 0;
}

void MenuStrip::picPanel_MouseDown(float x, float y) {
    const int menu = TitleAt(x, y);
    if (menu == 0) {
        UnloadMenu();
        return;
    }
    PlayStripSound(TitleClickSound);
    // A click on a title while a menu is open replaces that menu.
    UnloadMenu();
    if (menu == GameMenu && p_.GameRefused()) return;
    if (menu == InternetMenu && p_.Game.PTurn > 1 && p_.Game.NetMode == 0) return;
    OpenMenu(menu);
}

void MenuStrip::OpenMenu(int menu) {
    GameState& g = p_.Game;
    auto outcome = std::make_shared<MenuOutcome>();
    const int skin = p_.Profile.BackgroundIdx == 1 ? 1 : 0;
    auto* window =
        new frmMenu(QPixmap::fromImage(LoadCardArt(art::MenuTitle(skin))), [this, menu, outcome](int item) {
            int choice = 0;
            if (!Pick(menu, item, choice)) return false;
            *outcome = {true, item, choice};
            return true;
        });
    const char* titles[] = {"", "Game", "Options", "Internet", "Help"};
    window->setWindowTitle(QString(titles[menu]) + " menu");
    menu_ = window;
    menuNo_ = menu;
    window->LoadList(MenuEntries(menu, ConditionsNow()));
    PlaceMenu(*window, menu);

    QEventLoop loop;
    connect(window, &Form::Unloaded, &loop, [this, window, &loop] {
        if (menu_ == window) menu_ = nullptr;
        loop.quit();
    });
    // A close of the program asked for meanwhile ends the wait too.
    QTimer closing;
    closing.setInterval(ClosingCheckMs);
    connect(&closing, &QTimer::timeout, this, [this, &g] {
        if (g.StopWait) UnloadMenu();
    });
    window->show();
    closing.start();
    if (menu_ == window) loop.exec();
    closing.stop();

    if (outcome->Chosen && !g.StopWait) p_.Dispatch(menu, outcome->Item, outcome->Choice);
    menuNo_ = 0;
    // The player chose Exit or closed the program meanwhile.
    if (g.StopWait) p_.Form.close();
}

void MenuStrip::PlaceMenu(frmMenu& window, int menu) {
    const QRect frame = p_.Form.frameGeometry();
    const QPoint client = p_.Form.mapToGlobal(QPoint(0, 0));
    const Control& panel = p_.Board.Model().Get(Ctl::picPanel);
    const int skin = p_.Profile.BackgroundIdx == 1 ? 1 : 0;
    const int left = frame.left() + MenuOffsetTwips(menu, p_.LargeFonts, skin) / TwipsPerBoardPixel;
    const int top = client.y() + static_cast<int>(ToPixels(panel.Top + panel.Height));
    window.move(left, top);
}

MenuConditions MenuStrip::ConditionsNow() const {
    const GameState& g = p_.Game;
    return {g.NetMode, g.IsHost, g.PeekOn, p_.Board.Model().Get(Ctl::StatusBar1).Visible};
}

bool MenuStrip::Pick(int menu, int item, int& choice) {
    GameState& g = p_.Game;
    if (menu == OptionsMenu && item == 1) {
        const int before = g.SoundLevel;
        const int chosen = choose_(Popup::Noise, PopupItemsOf(Popup::Noise, g));
        if (chosen >= 0) g.SoundLevel = static_cast<int16_t>(chosen);
        return g.SoundLevel != before;
    }
    if (menu == OptionsMenu && item == 7) {
        choice = choose_(Popup::DisplaySize, PopupItemsOf(Popup::DisplaySize, g));
        return choice >= 0;
    }
    if (menu == HelpMenu && item == 6) {
        choice = choose_(Popup::ToInternet, PopupItemsOf(Popup::ToInternet, g));
        return choice > 0;
    }
    return true;
}

void MenuStrip::PlayStripSound(int id) {
    p_.Sound.PlayResource(id, SoundPlay::Async);
}

} // namespace zarle
