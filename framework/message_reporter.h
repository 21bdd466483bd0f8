#pragma once

#include <string>
#include <vector>

namespace vorn {

// A message the program shows the user: its text (a fixed wording, often
// followed by the name or path concerned), an optional detail such as the
// system's reason or the archive's path, and an optional list of the single
// findings behind it, one line each.
struct [[nodiscard]] Message {
    std::string text;
    std::string detail;
    std::vector<std::string> list{};
};

// "text (detail)", or the text alone.
std::string OneLine(const Message& message);

// Where the core's messages go. The GUI shows a message box, the CLI prints to
// standard error, tests collect them.
class MessageReporter {
public:
    virtual ~MessageReporter() = default;
    virtual void ShowMessage(const Message& message) = 0;
};

// Prints "program: text (detail)" lines to standard error, each line of the
// list indented below, control characters escaped.
class StderrReporter final : public MessageReporter {
public:
    explicit StderrReporter(std::string program) : m_program(std::move(program)) {}
    void ShowMessage(const Message& message) override;

private:
    std::string m_program;
};

// Keeps every message, in order.
class CollectingReporter final : public MessageReporter {
public:
    void ShowMessage(const Message& message) override { m_messages.push_back(message); }
    const std::vector<Message>& Messages() const { return m_messages; }

private:
    std::vector<Message> m_messages;
};

}  // namespace vorn
