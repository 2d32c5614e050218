#include "state/command_stack.h"

namespace script {

void CommandStack::push(const CommandEntry& entry) {
    ++top_;
    const auto index = static_cast<std::size_t>(top_);
    if (index >= entries_.size())
        entries_.resize(index * 2);
    entries_[index] = entry;
}

} // namespace script
