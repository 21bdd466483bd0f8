#include "write/describe_write_problem.h"

#include <cstring>

namespace vorn {

Message DescribeWriteProblems(const WriteProblems& problems)
{
    Message message = DescribeWriteProblem(problems.front());
    for (std::size_t other = 1; other < problems.size(); ++other)
        message.list.push_back(OneLine(DescribeWriteProblem(problems[other])));
    return message;
}

Message DescribeWriteProblem(const WriteProblem& problem)
{
    const std::string& path = problem.path;
    const std::string reason = problem.error ? std::strerror(problem.error) : std::string();
    const auto number = [](std::uint64_t value) { return std::to_string(value); };
    switch (problem.kind) {
    case WriteProblemKind::NameNotEncodable:
        return {"Refused name " + path, "it does not encode in the chosen name encoding"};
    case WriteProblemKind::NameTooLong:
        return {"Refused name " + path, "it is too long for the field: " + number(problem.size) +
                                            " bytes encoded, at most " + number(problem.limit)};
    case WriteProblemKind::UnsafeName:
        return {"Refused unsafe name " + path, problem.unsafe ? DescribeUnsafeName(*problem.unsafe) : ""};
    case WriteProblemKind::NameTaken:
        return {"Refused name " + path, "it is already there: " + problem.other};
    case WriteProblemKind::TooDeep:
        return {"Refused folder " + path, "folders nest deeper than the format's " + number(problem.limit) + " levels"};
    case WriteProblemKind::FileTooLarge:
        return {"Refused file " + path, "it holds " + number(problem.size) + " bytes; an archive's file holds less "
                                        "than 4 GiB"};
    case WriteProblemKind::ArchiveTooLarge:
        return {"Refused to write " + path,
                "it would hold " + number(problem.size) + " bytes; 32-bit offsets reach 4 GiB"};
    case WriteProblemKind::NotRegularFile:
        return {"Refused " + path, "not a regular file: a symbolic link, FIFO, device or socket"};
    case WriteProblemKind::NotReadable:
        return {"Could not read " + path, reason};
    case WriteProblemKind::OutputInsideFolder:
        return {"Will not write " + path, "it is inside the folder being packed"};
    case WriteProblemKind::OutputExists:
        return {"Will not replace existing file " + path, "give --overwrite to replace it"};
    case WriteProblemKind::NoSuchItem:
        return {"No folder or file " + path, ""};
    case WriteProblemKind::NotAFolder:
        return {"Not a folder: " + path, ""};
    case WriteProblemKind::ArchiveDamaged:
        return {"Will not rewrite " + path, "its catalogue is damaged: what could not be read would be lost"};
    case WriteProblemKind::SourceChanged:
        return {"File changed while it was taken: " + path,
                "it had " + number(problem.limit) + " bytes, now " + number(problem.size)};
    case WriteProblemKind::SourceShortRead:
        return {"Could not read the data of " + path,
                reason.empty() ? "the archive ends before the file's data does" : reason};
    case WriteProblemKind::OutputFailed:
        return {"Could not write " + path, reason};
    case WriteProblemKind::Stopped:
        return {"Stopped: nothing was written", ""};
    }
    return {};
}

}  // namespace vorn
