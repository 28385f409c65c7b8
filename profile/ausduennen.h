// Thinning an outline to the pairs that carry its shape.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Keeps `ziel` of the points (ziel >= 3): the first, the last and `fest`, plus those whose
// removal would change the outline most. Greedy: the point nearest to the segment between its
// kept neighbours goes first. Returns the kept indices in ascending order.
std::vector<std::int32_t> Ausduennen(std::span<const double> x, std::span<const double> y,
                                     std::size_t ziel, std::size_t fest);

// Largest distance of a dropped point from the segment between the kept points around it.
double GroessteAbweichung(std::span<const double> x, std::span<const double> y,
                          const std::vector<std::int32_t>& behalten);
