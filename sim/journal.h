// A record of the host operations modules called, in order, for tests that check the
// order and arguments of those calls. Off unless enabled: a long run makes many calls.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace sim {

struct JournalEntry {
    std::string vessel;        // name of the vessel the call went to; empty for globals
    std::string op;            // the operation's name, e.g. "AddMesh"
    std::vector<double> args;  // numeric arguments in declaration order (vectors flattened)
    std::string text;          // a string argument, if any
};

class Journal {
public:
    void enable(bool on = true) { enabled_ = on; }
    bool enabled() const { return enabled_; }
    void clear() { entries_.clear(); }

    void record(std::string vessel, std::string op, std::initializer_list<double> args = {}, std::string text = {})
    {
        if (enabled_)
            entries_.push_back({std::move(vessel), std::move(op), std::vector<double>(args), std::move(text)});
    }

    const std::vector<JournalEntry>& entries() const { return entries_; }
    // The operation names, in order.
    std::vector<std::string> ops() const;
    // The entries of operation `op`, in order.
    std::vector<JournalEntry> calls(const std::string& op) const;

private:
    bool enabled_ = false;
    std::vector<JournalEntry> entries_;
};

}  // namespace sim
