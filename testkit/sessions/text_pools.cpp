#include "sessions/text_pools.h"

namespace pools {

const std::vector<std::string>& names()
{
    static const std::vector<std::string> pool{"a", "b", "notes", "data.txt", "Lenght", "a b", " ", "  x  ", "", "\t",
        "\xC3\xBC"
        "ber",
        "\xE5\x90\x8D\xE5\x89\x8D", std::string(300, 'n'), "12", "\"quoted\"", "x\\y"};
    return pool;
}

const std::vector<std::string>& startNumbers()
{
    static const std::vector<std::string> pool = [] {
        std::vector<std::string> p;
        for (int i = 0; i < 64; ++i)
            p.push_back(std::to_string(i));
        return p;
    }();
    return pool;
}

const std::vector<std::string>& lengthNumbers()
{
    static const std::vector<std::string> pool{
        "1", "1", "1", "2", "2", "2", "3", "3", "4", "5", "6", "8", "0", "-3", "10", "16", "64"};
    return pool;
}

const std::vector<std::string>& edgeNumbers()
{
    static const std::vector<std::string> pool{"-1", "0", "1", "62.5", "63", "63.5", "64", "32767", "32768", "-32768",
        "-32769", "1e1", "1e309", " 7 ", "+3", "-0.5", "-1e309", "0.5", "1.5", "2.5", "-2.5", "6.3e1", "0.63e2",
        "630e-1", "1e-400", "00063", "63.", ".5", "-0", "+0.4999", "2147483647", "2147483648", "-2147483649",
        "99999999999999999999", "1.49999999999999999999", "2.50000000000000000001", "0.50000000000000000000001",
        "62.49999999999999999999", "\t12\t", "1E1", "1e+1", "5e-1", "1" + std::string(400, '0') + "e-399",
        "0." + std::string(400, '0') + "5e401"};
    return pool;
}

const std::vector<std::string>& hostileTexts()
{
    static const std::vector<std::string> pool{"", " ", "\t", "12abc", "1 2", ".", "1e", "0x10", "1,000", "1,5",
        "\xD9\xA1\xD9\xA2", "\xEF\xBC\x91\xEF\xBC\x92", std::string(5000, 'x'), std::string(5000, '9'),
        "-" + std::string(5000, '9'), "0." + std::string(5000, '0') + "1", "-", "+", "1..2", "e5", "\n", "nan", "inf",
        "12\xC2\xA0", "\xFF\xFE", "1e5e5", std::string("7\0", 2), "&H10", "$5", "- 1", "1e+", "+-1",
        "\xE2\x80\x87"
        "5",
        "1_000", "1.2.3", "\r7"};
    return pool;
}

}  // namespace pools
