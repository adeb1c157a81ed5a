#include "sim/journal.h"

namespace sim {

std::vector<std::string> Journal::ops() const
{
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const auto& e : entries_)
        names.push_back(e.op);
    return names;
}

std::vector<JournalEntry> Journal::calls(const std::string& op) const
{
    std::vector<JournalEntry> out;
    for (const auto& e : entries_) {
        if (e.op == op)
            out.push_back(e);
    }
    return out;
}

}  // namespace sim
