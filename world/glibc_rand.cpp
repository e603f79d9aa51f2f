// rand() and srand() for Windows, drawing the numbers glibc's do: a seed
// builds the same levels and spawns the same monsters on both platforms,
// so a recording made on one replays to the same end on the other, and the
// kept level pictures hold for both. Windows' own C library has another
// generator (with numbers only up to 32767); these definitions take its
// place in every program the world is linked into.
//
// glibc's rand() is its random() of type 3: an additive feedback generator
// over 31 words, seeded through the Park-Miller "minimal standard" and
// then run 310 times before the first number counts.
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int DEGREE = 31;     // words of state
constexpr int SEPARATION = 3;  // the lag between the two words added
constexpr int WARM_UP = 10 * DEGREE;

struct AdditiveFeedback {
    std::int32_t state[DEGREE];
    int front = SEPARATION;
    int rear = 0;

    explicit AdditiveFeedback(unsigned int seed) { reseed(seed); }

    void reseed(unsigned int seed)
    {
        if (seed == 0) seed = 1;
        std::int32_t word = static_cast<std::int32_t>(seed);
        state[0] = word;
        for (int i = 1; i < DEGREE; ++i) {
            // 16807 * word % 2147483647, without leaving 31 bits.
            const long long high = word / 127773, low = word % 127773;
            word = static_cast<std::int32_t>(static_cast<std::uint32_t>(16807 * low - 2836 * high));
            if (word < 0) word += 2147483647;
            state[i] = word;
        }
        front = SEPARATION;
        rear = 0;
        for (int i = 0; i < WARM_UP; ++i) next();
    }

    int next()
    {
        const std::uint32_t sum = static_cast<std::uint32_t>(state[front]) + static_cast<std::uint32_t>(state[rear]);
        state[front] = static_cast<std::int32_t>(sum);
        if (++front >= DEGREE) {
            front = 0;
            ++rear;
        } else if (++rear >= DEGREE) {
            rear = 0;
        }
        return static_cast<int>(sum >> 1);  // the lowest bit is the least random
    }
};

// As glibc's, unseeded it runs as if seeded with 1.
AdditiveFeedback Generator(1);

}  // namespace

extern "C" int rand(void)
{
    return Generator.next();
}

extern "C" void srand(unsigned int seed)
{
    Generator.reseed(seed);
}
