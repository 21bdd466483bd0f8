#include "browse/natural_order.h"

namespace vorn {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

unsigned char Folded(char c)
{
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

// The end of the run of digits that starts at begin, and where its value starts
// (past the leading zeros).
std::size_t DigitsEnd(std::string_view text, std::size_t begin, std::size_t& valueBegin)
{
    std::size_t end = begin;
    while (end < text.size() && text[end] == '0')
        ++end;
    valueBegin = end;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end;
}

}  // namespace

int NaturalCompare(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t valueA = 0;
            std::size_t valueB = 0;
            const std::size_t endA = DigitsEnd(a, i, valueA);
            const std::size_t endB = DigitsEnd(b, j, valueB);
            // Without leading zeros, the longer run is the larger number.
            const std::size_t lengthA = endA - valueA;
            const std::size_t lengthB = endB - valueB;
            if (lengthA != lengthB)
                return lengthA < lengthB ? -1 : 1;
            for (std::size_t digit = 0; digit < lengthA; ++digit)
                if (a[valueA + digit] != b[valueB + digit])
                    return a[valueA + digit] < b[valueB + digit] ? -1 : 1;
            i = endA;
            j = endB;
            continue;
        }
        const unsigned char charA = Folded(a[i]);
        const unsigned char charB = Folded(b[j]);
        if (charA != charB)
            return charA < charB ? -1 : 1;
        ++i;
        ++j;
    }
    return (i < a.size()) - (j < b.size());
}

}  // namespace vorn
