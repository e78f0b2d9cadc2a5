// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/least_squares.h"

#include <array>
#include <cmath>

#include "nav/linear_system.h"

namespace nav::fixing {

namespace {

// The same as kConverged for the common compass error, in degrees: 1e-11
// degree turns a line 15 n mile long by 5e-9 m.
constexpr double kErrorConverged = 1e-11;
constexpr int kMaxLeastSquaresSteps = 100;
constexpr int kGaussNewtonSteps = 8;
constexpr int kMaxHalvings = 40;
// Near the minimum the sum of squares no longer falls visibly, for
// round-off, so steps shorter than this, in metres, are taken without
// looking; longer ones are halved until the sum falls.
constexpr double kTrustedStep = 10;

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector rowOf(const LineValue& value)
{
    return {value.gradient.north, value.gradient.east, value.errorDerivative};
}

// Half the gradient of the sum of squares over the displacement north and
// east and the common error: J^T r, exact.
Vector halfGradient(const std::vector<LineValue>& values)
{
    Vector gradient{};
    for (const LineValue& value : values) {
        const Vector row = rowOf(value);
        for (std::size_t i = 0; i < 3; ++i)
            gradient[i] += row[i] * value.distance;
    }
    return gradient;
}

// Gauss-Newton's approximation to half the Hessian: J^T J.
Matrix normalMatrix(const std::vector<LineValue>& values)
{
    Matrix normal{};
    for (const LineValue& value : values) {
        const Vector row = rowOf(value);
        for (std::size_t i = 0; i < 3; ++i)
            for (std::size_t j = 0; j < 3; ++j)
                normal[i][j] += row[i] * row[j];
    }
    return normal;
}

// Solves a x = -b over the position, and the common error `withError`.
std::optional<Vector> stepFor(const Matrix& a, const Vector& b, bool withError)
{
    if (withError)
        return solveLinear<3>(a, {-b[0], -b[1], -b[2]});
    const std::optional<std::array<double, 2>> step =
        solveLinear<2>({{{a[0][0], a[0][1]}, {a[1][0], a[1][1]}}}, {-b[0], -b[1]});
    if (!step)
        return std::nullopt;
    return Vector{(*step)[0], (*step)[1], 0};
}

std::optional<Fit> fitAt(const Figure& figure, const std::vector<PositionLine>& lines,
                         geo::GeoPoint position, double commonError)
{
    std::optional<std::vector<LineValue>> values =
        evaluateAll(figure, lines, position, commonError);
    if (!values)
        return std::nullopt;
    return Fit{position, commonError, std::move(*values)};
}

// Half the true Hessian, as differences of the exact half gradient over
// kHessianStep metres (and kHessianErrorStep degrees of common error): it
// adds to J^T J the curvature of the lines times their distances, which
// Gauss-Newton leaves out and which makes it creep or swing when the
// lines pass far from the fix.
constexpr double kHessianStep = 1;
constexpr double kHessianErrorStep = 1e-5;

std::optional<Matrix> hessian(const Figure& figure, const std::vector<PositionLine>& lines,
                              const Fit& fit, bool withError)
{
    Matrix columns{};
    const std::size_t unknowns = withError ? 3 : 2;
    for (std::size_t k = 0; k < unknowns; ++k) {
        std::array<Vector, 2> sides;
        for (int side = 0; side < 2; ++side) {
            const double sign = side == 0 ? 1 : -1;
            Displacement move;
            double error = fit.commonError;
            if (k == 0)
                move.north = sign * kHessianStep;
            else if (k == 1)
                move.east = sign * kHessianStep;
            else
                error += sign * kHessianErrorStep;
            const std::optional<Fit> moved =
                fitAt(figure, lines, figure.moved(fit.position, move), error);
            if (!moved)
                return std::nullopt;
            sides[side] = halfGradient(moved->values);
        }
        const double step = k < 2 ? kHessianStep : kHessianErrorStep;
        for (std::size_t i = 0; i < 3; ++i)
            columns[k][i] = (sides[0][i] - sides[1][i]) / (2 * step);
    }
    Matrix symmetric{};
    for (std::size_t i = 0; i < unknowns; ++i)
        for (std::size_t j = 0; j < unknowns; ++j)
            symmetric[i][j] = (columns[i][j] + columns[j][i]) / 2;
    return symmetric;
}

}  // namespace

std::optional<Fit> leastSquares(const Figure& figure, const std::vector<PositionLine>& lines,
                                geo::GeoPoint start, bool withError)
{
    std::optional<Fit> fit = fitAt(figure, lines, start, 0);
    if (!fit)
        return std::nullopt;
    for (int iteration = 0; iteration < kMaxLeastSquaresSteps; ++iteration) {
        const Vector gradient = halfGradient(fit->values);
        std::optional<Vector> step;
        if (iteration >= kGaussNewtonSteps) {
            if (const std::optional<Matrix> curvature = hessian(figure, lines, *fit, withError))
                step = stepFor(*curvature, gradient, withError);
            // Away from the minimum the Hessian may point uphill.
            if (step && (*step)[0] * gradient[0] + (*step)[1] * gradient[1] +
                                (*step)[2] * gradient[2] >= 0)
                step.reset();
        }
        if (!step)
            step = stepFor(normalMatrix(fit->values), gradient, withError);
        if (!step)
            return std::nullopt;
        Displacement move = limited({(*step)[0], (*step)[1]});
        double errorMove = (*step)[2];
        // A step this short is the last: the next would be far shorter.
        if (std::hypot(move.north, move.east) < kConverged &&
            std::fabs(errorMove) < kErrorConverged) {
            fit = fitAt(figure, lines, normalised(figure.moved(fit->position, move)),
                        fit->commonError + errorMove);
            return fit;
        }
        const double sum = sumOfSquares(fit->values);
        std::optional<Fit> trial;
        for (int halving = 0; halving <= kMaxHalvings && !trial; ++halving) {
            trial = fitAt(figure, lines, figure.moved(fit->position, move),
                          fit->commonError + errorMove);
            if (trial && !(sumOfSquares(trial->values) <= sum ||
                           std::hypot(move.north, move.east) < kTrustedStep))
                trial.reset();
            move = {move.north / 2, move.east / 2};
            errorMove /= 2;
        }
        if (!trial)
            return std::nullopt;
        fit = std::move(trial);
    }
    return std::nullopt;
}

}  // namespace nav::fixing
