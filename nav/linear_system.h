// SPDX-License-Identifier: GPL-3.0-or-later
// Inside nav's fix (fix.h): the 2 x 2 and 3 x 3 linear systems of its
// Newton and Gauss-Newton steps. Not for use outside nav.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

namespace nav::fixing {

// A pivot this small, relative to the largest entry, is no pivot.
inline constexpr double kSingular = 1e-13;

// Solves the n x n system a x = b (n <= 3) by Gaussian elimination with
// partial pivoting; empty when it is singular.
template <std::size_t N>
std::optional<std::array<double, N>> solveLinear(std::array<std::array<double, N>, N> a,
                                                 std::array<double, N> b)
{
    double largest = 0;
    for (const auto& row : a)
        for (double entry : row)
            largest = std::fmax(largest, std::fabs(entry));
    for (std::size_t column = 0; column < N; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column + 1; row < N; ++row)
            if (std::fabs(a[row][column]) > std::fabs(a[pivot][column]))
                pivot = row;
        if (!(std::fabs(a[pivot][column]) > kSingular * largest))
            return std::nullopt;
        std::swap(a[pivot], a[column]);
        std::swap(b[pivot], b[column]);
        for (std::size_t row = column + 1; row < N; ++row) {
            const double factor = a[row][column] / a[column][column];
            for (std::size_t k = column; k < N; ++k)
                a[row][k] -= factor * a[column][k];
            b[row] -= factor * b[column];
        }
    }
    std::array<double, N> x{};
    for (std::size_t row = N; row-- > 0;) {
        double sum = b[row];
        for (std::size_t k = row + 1; k < N; ++k)
            sum -= a[row][k] * x[k];
        x[row] = sum / a[row][row];
    }
    return x;
}

}  // namespace nav::fixing
