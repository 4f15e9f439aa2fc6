#include "rendering/model/BoardModel.h"

#include <algorithm>

namespace zarle {

namespace {

const Control& NoControl() {
    static const Control none;
    return none;
}

size_t FamilySlots() {
    size_t highest = 0;
    for (const ControlFamily& f : BoardFamilies) highest = std::max(highest, static_cast<size_t>(f.Family));
    return highest + 1;
}

} // namespace

BoardModel::BoardModel() : familyStart_(FamilySlots(), -1) {
    int total = 0;
    for (const ControlFamily& f : BoardFamilies) {
        familyStart_[static_cast<size_t>(f.Family)] = total;
        total += f.Capacity;
    }
    controls_.resize(static_cast<size_t>(total));
    isChanged_.resize(static_cast<size_t>(total), 0);
    changed_.reserve(static_cast<size_t>(total));
}

const ControlFamily* BoardModel::Family(Ctl family) {
    for (const ControlFamily& f : BoardFamilies)
        if (f.Family == family) return &f;
    return nullptr;
}

int BoardModel::Slot(Ctl family, int index) const {
    const size_t f = static_cast<size_t>(family);
    if (f >= familyStart_.size() || familyStart_[f] < 0) return -1;
    const ControlFamily* entry = Family(family);
    if (index < 0 || index >= entry->Capacity) return -1;
    return familyStart_[f] + index;
}

const Control& BoardModel::Get(Ctl family, int index) const {
    const int slot = Slot(family, index);
    return slot < 0 ? NoControl() : controls_[static_cast<size_t>(slot)];
}

void BoardModel::MarkChanged(int slot, Ctl family, int index) {
    ++changeCount_;
    if (isChanged_[static_cast<size_t>(slot)]) return;
    isChanged_[static_cast<size_t>(slot)] = 1;
    changed_.push_back(ControlId{family, index});
}

Control& BoardModel::Edit(Ctl family, int index) {
    const int slot = Slot(family, index);
    if (slot < 0) {
        scratch_ = Control{};
        return scratch_;
    }
    MarkChanged(slot, family, index);
    return controls_[static_cast<size_t>(slot)];
}

void BoardModel::Load(Ctl family, int index) {
    const int slot = Slot(family, index);
    if (slot < 0 || controls_[static_cast<size_t>(slot)].Loaded) return;
    Control fresh;
    for (int i = 0; i < Family(family)->Capacity; ++i)
        if (i != index && Get(family, i).Loaded) {
            fresh = Get(family, i);
            break;
        }
    fresh.Loaded = true;
    fresh.Visible = false;
    fresh.ZOrder = ++frontZ_;
    Edit(family, index) = std::move(fresh);
}

void BoardModel::Unload(Ctl family, int index) {
    if (!IsLoaded(family, index)) return;
    Control& c = Edit(family, index);
    c.Loaded = false;
    c.Visible = false;
}

void BoardModel::BringToFront(Ctl family, int index) {
    Edit(family, index).ZOrder = ++frontZ_;
}

BoardWindow& BoardModel::EditWindow() {
    ++changeCount_;
    windowChanged_ = true;
    return window_;
}

void BoardModel::ClearChanges() {
    std::fill(isChanged_.begin(), isChanged_.end(), 0);
    changed_.clear();
    windowChanged_ = false;
}

} // namespace zarle
