#pragma once
// A control array: controls of one kind under one name, addressed by index, with
// elements loaded and unloaded while the program runs. A newly loaded element is a hidden
// copy of the lowest-numbered element (its place, size, font, colours and the look its
// class copies with CopyLook); OnLoad wires each new element's events with its index.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <type_traits>
#include <vector>

namespace zarle {

template <class T> class ControlArray {
    static_assert(std::is_base_of_v<QObject, T>, "control array elements are Qt objects");

  public:
    // Elements are created as children of `parent` (a widget for widget elements).
    ControlArray(QString name, QObject* parent) : name_(std::move(name)), parent_(parent) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;
    ~ControlArray() {
        for (auto& [index, element] : elements_) Release(element);
    }

    const QString& Name() const { return name_; }

    // Runs for every element loaded from now on, with its index.
    void OnLoad(std::function<void(int index, T& element)> hook) { onLoad_ = std::move(hook); }

    // Loads element `index`, or returns it unchanged when it is loaded already.
    T& Load(int index) {
        if (T* existing = At(index)) return *existing;
        T* element = Create();
        if (T* first = Lowest()) CopyFrom(*first, *element);
        element->setObjectName(name_);
        elements_[index] = element;
        if (onLoad_) onLoad_(index, *element);
        return *element;
    }

    // Unloads element `index`; nothing happens when it is not loaded. The element goes
    // quiet at once and is deleted once control is back in the event loop, so an element
    // may unload itself from its own event handler.
    void Unload(int index) {
        const auto it = elements_.find(index);
        if (it == elements_.end()) return;
        QPointer<T> element = it->second;
        elements_.erase(it);
        Release(element);
    }

    // The element, or null when it is not loaded.
    T* At(int index) const {
        const auto it = elements_.find(index);
        return it == elements_.end() ? nullptr : it->second.data();
    }
    // The element, which must be loaded.
    T& operator[](int index) const {
        T* element = At(index);
        if (!element) qFatal("%s(%d) is not loaded", qUtf8Printable(name_), index);
        return *element;
    }
    bool Has(int index) const { return At(index) != nullptr; }

    int Count() const { return int(Indices().size()); }
    // The lowest and highest loaded index; -1 when the array is empty.
    int LBound() const {
        const std::vector<int> all = Indices();
        return all.empty() ? -1 : all.front();
    }
    int UBound() const {
        const std::vector<int> all = Indices();
        return all.empty() ? -1 : all.back();
    }
    // The loaded indices in increasing order.
    std::vector<int> Indices() const {
        std::vector<int> all;
        for (const auto& [index, element] : elements_)
            if (element) all.push_back(index);
        return all;
    }

  private:
    T* Create() const {
        if constexpr (std::is_base_of_v<QWidget, T>)
            return new T(qobject_cast<QWidget*>(parent_.data()));
        else
            return new T(parent_.data());
    }

    T* Lowest() const {
        for (const auto& [index, element] : elements_)
            if (element) return element.data();
        return nullptr;
    }

    static void CopyFrom(const T& first, T& element) {
        if constexpr (std::is_base_of_v<QWidget, T>) {
            element.setGeometry(first.geometry());
            element.setFont(first.font());
            element.setPalette(first.palette());
            element.setAutoFillBackground(first.autoFillBackground());
            element.setToolTip(first.toolTip());
            element.setEnabled(first.isEnabled());
            element.setCursor(first.cursor());
            element.hide();
        }
        if constexpr (requires { element.CopyLook(first); }) element.CopyLook(first);
    }

    static void Release(const QPointer<T>& element) {
        if (!element) return;
        element->blockSignals(true);
        if constexpr (requires { element->Events(); }) element->Events().blockSignals(true);
        if constexpr (std::is_base_of_v<QWidget, T>) element->hide();
        element->deleteLater();
    }

    QString name_;
    QPointer<QObject> parent_;
    std::function<void(int, T&)> onLoad_;
    std::map<int, QPointer<T>> elements_;
};

} // namespace zarle
