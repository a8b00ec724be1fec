#pragma once

namespace quill {

// Runs one step under the ignore-and-continue rule: a failing step is
// skipped, whatever it would have set keeps its previous value, and the next
// step runs. Returns whether the step succeeded.
template <typename Step>
bool Attempt(Step&& step) noexcept {
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace quill
