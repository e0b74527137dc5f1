#pragma once

// Building controls from a class-name string. Two lists exist: the window-level list
// (dialogs and popups: MDialog::CreateControl / CreateArea) and the container list
// (MControl::CreateChildControl, used by MPanel and its descendants). A control class
// registers itself in its own .cpp file, inside namespace lumo, under its class name:
//
//     LUMO_REGISTER_CONTROL(MButton, kWindowFactory | kContainerFactory)
//
// or under another name with LUMO_REGISTER_CONTROL_AS(Class, "Name", lists).
// The class needs one of the constructor forms (parent, id, rect, then):
//     (const char* title, int visible, int enabled)   (const char* title, int visible)
//     (int visible, int enabled)                      (int visible)
// (visible and enabled may also be bool). The factory calls the form the class has.

#include "lumoui/MControl.h"

#include <string>
#include <type_traits>

namespace lumo {

constexpr unsigned kWindowFactory = 1;
constexpr unsigned kContainerFactory = 2;

using ControlMaker = MControl* (*)(MObject* parent, UINT id, const CRect& rect, const char* title, int a, int b);

class ControlFactory {
public:
    ControlFactory() = delete;

    // Adds a class to the lists named by the bits of `lists`. A second registration of a name
    // replaces the first. Returns true so it can initialise a static.
    static bool Register(const std::string& className, unsigned lists, ControlMaker maker);
    static bool IsRegistered(unsigned list, const std::string& className);
    // Steps 1-3 of creation: null for an empty or unknown name (exact, case-sensitive);
    // otherwise the new, uninitialised control. `title` may be null (taken as "").
    static MControl* Construct(unsigned list, const char* className, MObject* parent, UINT id, CRect rect,
        const char* title, int a, int b);
};

template <class T>
MControl* MakeControl(MObject* parent, UINT id, const CRect& rect, const char* title, int a, int b)
{
    // The untitled two-int form is tested first: a title pointer would convert to a bool
    // visibility flag, but an int never converts to a title.
    if constexpr (std::is_constructible_v<T, MObject*, UINT, CRect, int, int>) {
        (void)title;
        return new T(parent, id, rect, a, b);
    } else if constexpr (std::is_constructible_v<T, MObject*, UINT, CRect, const char*, int, int>) {
        return new T(parent, id, rect, title, a, b);
    } else if constexpr (std::is_constructible_v<T, MObject*, UINT, CRect, const char*, int>) {
        (void)b;
        return new T(parent, id, rect, title, a);
    } else {
        static_assert(std::is_constructible_v<T, MObject*, UINT, CRect, int>, "no constructor form the factory knows");
        (void)title;
        (void)b;
        return new T(parent, id, rect, a);
    }
}

} // namespace lumo

#define LUMO_FACTORY_CONCAT_INNER(a, b) a##b
#define LUMO_FACTORY_CONCAT(a, b) LUMO_FACTORY_CONCAT_INNER(a, b)

#define LUMO_REGISTER_CONTROL_AS(Class, Name, Lists)                                                                 \
    namespace {                                                                                                      \
    [[maybe_unused]] const bool LUMO_FACTORY_CONCAT(kLumoRegistered_, __COUNTER__)                                   \
        = ::lumo::ControlFactory::Register(Name, Lists, &::lumo::MakeControl<Class>);                                \
    }

#define LUMO_REGISTER_CONTROL(Class, Lists) LUMO_REGISTER_CONTROL_AS(Class, #Class, Lists)
