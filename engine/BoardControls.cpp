#include "engine/BoardControls.h"

namespace zarle {

const char* ControlName(Ctl family) {
    switch (family) {
    case Ctl::Picture7: return "Picture7";
    case Ctl::Picture1: return "Picture1";
    case Ctl::Picture2: return "Picture2";
    case Ctl::Picture3: return "Picture3";
    case Ctl::PicCenter: return "PicCenter";
    case Ctl::Label9: return "Label9";
    case Ctl::LblWild: return "LblWild";
    case Ctl::Label3: return "Label3";
    case Ctl::Label1: return "Label1";
    case Ctl::Label10: return "Label10";
    case Ctl::LabelPeek: return "LabelPeek";
    case Ctl::lblRules: return "lblRules";
    case Ctl::lblLevel: return "lblLevel";
    case Ctl::lblHold: return "lblHold";
    case Ctl::lblHighlight: return "lblHighlight";
    case Ctl::StatusMsg: return "StatusMsg";
    case Ctl::Stack: return "Stack";
    case Ctl::ImgHold: return "ImgHold";
    case Ctl::ImgAvatar: return "ImgAvatar";
    case Ctl::imgSlap: return "imgSlap";
    case Ctl::ImgTurn1: return "ImgTurn1";
    case Ctl::ImgTurn2: return "ImgTurn2";
    case Ctl::imgIcon: return "imgIcon";
    case Ctl::imgMenu: return "imgMenu";
    case Ctl::picPanel: return "picPanel";
    case Ctl::Command2: return "Command2";
    case Ctl::StatusBar1: return "StatusBar1";
    case Ctl::lblHoldCard: return "lblHoldCard";
    }
    return "?";
}

const char* PicsName(Pics pics) {
    switch (pics) {
    case Pics::Picture7: return "Picture7";
    case Pics::Picture1: return "Picture1";
    case Pics::Picture2: return "Picture2";
    case Pics::Picture3: return "Picture3";
    case Pics::PicCenter: return "PicCenter";
    case Pics::Picture8: return "Picture8";
    case Pics::FilePic: return "FilePic";
    }
    return "?";
}

} // namespace zarle
