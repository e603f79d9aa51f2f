// The one source of chance for levels and tiles. Seeding the runtime
// library's generator with the same value builds the same levels.
#pragma once

// A whole number from 1 to n (n >= 1): rand() modulo n, plus 1.
int randomUpTo(int n);
