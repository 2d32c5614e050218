#include "state/command_stack.h"

namespace explore {

void CommandStack::push(int code, int arg1, int arg2) {
    ++top;
    const auto index = static_cast<std::size_t>(top);
    if (index >= entries.size())
        entries.resize(index * 2);
    entries[index] = CommandEntry(code, arg1, arg2);
}

} // namespace explore
