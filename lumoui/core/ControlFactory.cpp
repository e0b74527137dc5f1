#include "lumoui/ControlFactory.h"

#include <mutex>
#include <unordered_map>

namespace lumo {

namespace {

struct Entry {
    unsigned lists = 0;
    ControlMaker maker = nullptr;
};

// The class lists; filled by static registrations while the libraries load and read later.
struct Registry {
    std::mutex lock;
    std::unordered_map<std::string, Entry> classes;
};

Registry& Classes()
{
    static Registry registry;
    return registry;
}

} // namespace

bool ControlFactory::Register(const std::string& className, unsigned lists, ControlMaker maker)
{
    if (className.empty() || !maker) {
        return false;
    }
    std::lock_guard lock(Classes().lock);
    Classes().classes[className] = Entry { lists, maker };
    return true;
}

bool ControlFactory::IsRegistered(unsigned list, const std::string& className)
{
    std::lock_guard lock(Classes().lock);
    auto it = Classes().classes.find(className);
    return it != Classes().classes.end() && (it->second.lists & list);
}

MControl* ControlFactory::Construct(
    unsigned list, const char* className, MObject* parent, UINT id, CRect rect, const char* title, int a, int b)
{
    if (!className || !*className) {
        return nullptr;
    }
    ControlMaker maker = nullptr;
    {
        std::lock_guard lock(Classes().lock);
        auto it = Classes().classes.find(className);
        if (it == Classes().classes.end() || !(it->second.lists & list)) {
            return nullptr;
        }
        maker = it->second.maker;
    }
    return maker(parent, id, rect, title ? title : "", a, b);
}

} // namespace lumo
