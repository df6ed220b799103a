#pragma once

#include <QString>
#include <cstdint>

namespace kemurina {

// The label of the last row whose length does not exceed lengthMm (row 1 below 110 mm).
QString pickComparison(double lengthMm);

// L / 1000 kept to two decimals, halves to the even neighbour.
double lengthInMetres(double totalLengthMm);

struct NotSmokedTexts {
    QString
        caption; // the not-smoked value label: "20本 1.7ｍ シーラカンス", "1箱 …", "1カートン …"
    QString sentence; // "節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。"
};

NotSmokedTexts notSmokedTexts(double totalLengthMm, std::int32_t cigarettesNotSmoked,
                              std::int32_t cigaretteLength, std::int32_t showPackCount);

} // namespace kemurina
