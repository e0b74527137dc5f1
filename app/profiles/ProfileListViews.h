#pragma once

// What the profile list's operations need from the list control and the window around it.
// The main window binds them to the real controls; tests bind them to recorders.

#include <string>
#include <vector>

namespace clavora {

// The rows of the profile list: a shown text and the profile's id each.
class IProfileListView {
public:
    virtual ~IProfileListView() = default;
    virtual void Clear() = 0;
    virtual void Add(const std::string& text, int profile) = 0;
    virtual void Remove(int row) = 0;
    virtual int Count() const = 0;
    virtual std::string RowText(int row) const = 0;
    virtual void SetRowText(int row, const std::string& text) = 0;
    // 0 for a bad row.
    virtual int RowProfile(int row) const = 0;
    // -1 when no row is selected.
    virtual int Selection() const = 0;
    // -1 selects none. Notifies nothing.
    virtual void Select(int row) = 0;
    // Opens the in-place editor on the selected row.
    virtual void OpenEditor() = 0;
};

class IProfileHost {
public:
    virtual ~IProfileHost() = default;
    virtual int CurrentProfile() const = 0;
    virtual void SetCurrentProfile(int profile) = 0;
    // Shows the current profile's assignments on the key page.
    virtual void LoadKeyPage() = 0;
    // Hands the current profile's assignments to the key filter.
    virtual void ArmKeyFilter() = 0;
    virtual void EnableKeyPicture(bool enable) = 0;
    // Message boxes; both are language text numbers. Confirm is true for OK.
    virtual void ShowMessage(int text, int title) = 0;
    virtual bool Confirm(int text, int title) = 0;
    // Writes the current profile's assignments into the keyboard, waiting for it.
    virtual void WriteKeysToKeyboard() = 0;
    // Substrings a name must not contain (in lower case).
    virtual const std::vector<std::string>& BlockedWords() const = 0;
};

} // namespace clavora
