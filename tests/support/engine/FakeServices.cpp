#include "tests/support/engine/FakeServices.h"

namespace zarle::testing {

void FakeSound::PlayResource(int id, SoundPlay how) {
    t_.Add("Sound " + std::to_string(id) + (how == SoundPlay::ToEnd ? " to end" : ""));
}

void FakeSound::PlayFile(std::string_view path, SoundPlay how) {
    t_.Add("SoundFile " + Quoted(path) + (how == SoundPlay::ToEnd ? " to end" : ""));
}

void FakeWaiter::Wait(float seconds) {
    t_.Add("Wait " + Seconds(seconds));
    if (OnEvents) OnEvents();
    Player.HandOn();
}

void FakeWaiter::DoEvents() {
    if (OnEvents) OnEvents();
    Player.HandOn();
}

int FakeMessageBox::MsgBox(std::string_view text, int style, std::string_view title) {
    int answer = (style & 0xF) == MbYesNo ? AnswerYes : AnswerOk;
    if (!Answers.empty()) {
        answer = Answers.front();
        Answers.pop_front();
    }
    t_.Add("MsgBox " + Quoted(text) + " " + std::to_string(style) + " " + Quoted(title) + " -> " +
           std::to_string(answer));
    if (WhileOpen) {
        ++Open;
        WhileOpen();
        --Open;
    }
    return answer;
}

std::string FakeMessageBox::InputBox(std::string_view prompt, std::string_view title) {
    std::string typed;
    if (!Typed.empty()) {
        typed = Typed.front();
        Typed.pop_front();
    }
    t_.Add("InputBox " + Quoted(prompt) + " " + Quoted(title) + " -> " + Quoted(typed));
    return typed;
}

float FakeRandom::Rnd() {
    ++Draws;
    if (!Script.empty()) {
        const float next = Script.front();
        Script.pop_front();
        return next;
    }
    return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
}

} // namespace zarle::testing
