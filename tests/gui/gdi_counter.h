// Counts the pens, brushes and fonts this program creates and deletes, by
// redirecting its own imports of those GDI calls while a counter lives.
#pragma once

namespace hoshikura {
namespace test {

class CGdiCounter {
public:
    CGdiCounter();   // starts counting from zero
    ~CGdiCounter();  // restores the imports
    CGdiCounter(const CGdiCounter&) = delete;
    CGdiCounter& operator=(const CGdiCounter&) = delete;

    bool Installed() const { return installed_; }
    int Created() const;
    // Objects created while counting and not yet deleted.
    int Alive() const;

private:
    bool installed_;
};

}  // namespace test
}  // namespace hoshikura
