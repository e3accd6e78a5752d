#pragma once

namespace vornel {

// The language choice in the per-user settings store.
namespace LanguageStore {
// True for Greek. No stored value, or one that is not a Boolean, is English.
bool load();
void save(bool useGreek);
}  // namespace LanguageStore

}  // namespace vornel
