// Independent pieces of work spread over the machine's cores: a set's ribs and their kerf
// contours take most of an export's time and need nothing from each other.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

// Calls arbeit(i) once for every i in [0, anzahl), on up to one thread per core, and returns
// when all are done. Each call must touch nothing another one touches. The first exception
// stops the handing out of further pieces and is thrown here once every thread has ended.
template <class Arbeit> void Parallel(std::size_t anzahl, const Arbeit& arbeit) {
    const std::size_t kerne = std::max(1U, std::thread::hardware_concurrency());
    std::atomic<std::size_t> naechste{0};
    std::exception_ptr fehler;
    std::mutex sperre;
    auto schleife = [&] {
        for (std::size_t i; (i = naechste.fetch_add(1)) < anzahl;) {
            try {
                arbeit(i);
            } catch (...) {
                const std::lock_guard<std::mutex> halten(sperre);
                if (!fehler)
                    fehler = std::current_exception();
                naechste = anzahl;
            }
        }
    };
    {
        std::vector<std::jthread> faeden;
        for (std::size_t t = 1; t < std::min(kerne, anzahl); ++t)
            faeden.emplace_back(schleife);
        schleife();
    }
    if (fehler)
        std::rethrow_exception(fehler);
}
