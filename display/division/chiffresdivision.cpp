#include "display/division/chiffresdivision.h"

#include <algorithm>

bool comparerChiffres(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return b.size() > a.size();
    }
    return b >= a;
}

std::string completerZeros(std::size_t n, std::string_view s) {
    std::string r(s);
    if (r.size() < n) {
        r.insert(0, n - r.size(), '0');
    }
    return r;
}

std::string sansZerosDeTete(std::string_view s) {
    const std::size_t premier = s.find_first_not_of('0');
    if (premier == std::string_view::npos) {
        return "0";
    }
    return std::string(s.substr(premier));
}

std::string soustraireChiffres(std::string_view a, std::string_view b) {
    const std::string x = completerZeros(b.size(), a);
    std::string r(b.size(), '0');
    int retenue = 0;
    for (std::size_t i = b.size(); i-- > 0;) {
        int d = (b[i] - '0') - (x[i] - '0') - retenue;
        retenue = d < 0 ? 1 : 0;
        r[i] = static_cast<char>('0' + d + 10 * retenue);
    }
    return sansZerosDeTete(r);
}

std::string multiplierChiffre(int k, std::string_view s) {
    std::string r;
    int retenue = 0;
    for (std::size_t i = s.size(); i-- > 0;) {
        const int p = (s[i] - '0') * k + retenue;
        r.push_back(static_cast<char>('0' + p % 10));
        retenue = p / 10;
    }
    if (retenue > 0) {
        r.push_back(static_cast<char>('0' + retenue));
    }
    std::reverse(r.begin(), r.end());
    return sansZerosDeTete(r);
}
