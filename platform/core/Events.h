#pragma once
// Published events: TEvent<Sig> is a handler that remembers the name it was
// assigned under, so that form files can store it; TMethodTable is the table
// of named handlers a form supplies when its file is read.
#include <any>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "platform/core/Strings.h"

template <class Sig>
class TEvent {
public:
    using Function = std::function<Sig>;

    TEvent() = default;
    template <class F>
    TEvent(F f) : FHandler(std::move(f)) {}

    // Assigning a plain handler forgets any stored handler name.
    template <class F>
    TEvent& operator=(F f) {
        FHandler = std::move(f);
        FName.clear();
        return *this;
    }
    // Assigns a handler together with the name it is streamed under.
    void Assign(std::string name, Function handler) {
        FHandler = std::move(handler);
        FName = FHandler ? std::move(name) : std::string();
    }

    explicit operator bool() const noexcept { return static_cast<bool>(FHandler); }
    const Function& Handler() const noexcept { return FHandler; }
    const std::string& HandlerName() const noexcept { return FName; }

    template <class... A>
    decltype(auto) operator()(A&&... args) const {
        return FHandler(std::forward<A>(args)...);
    }

private:
    Function FHandler;
    std::string FName;
};

// Named event handlers, looked up case-insensitively by the form reader.
class TMethodTable {
public:
    template <class Sig>
    void Add(const std::string& name, std::function<Sig> handler) {
        FMethods[name] = std::move(handler);
    }
    // The handler stored under name (a std::function of its signature), or nullptr.
    const std::any* Find(std::string_view name) const {
        const auto it = FMethods.find(std::string(name));
        return it == FMethods.end() ? nullptr : &it->second;
    }

private:
    struct TextLess {
        bool operator()(const std::string& a, const std::string& b) const { return AnsiCompareText(a, b) < 0; }
    };
    std::map<std::string, std::any, TextLess> FMethods;
};
