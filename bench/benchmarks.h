#pragma once

class BenchEnvironment;

// Registers every figure and its baseline with Google Benchmark, as "<row>/figure" and
// "<row>/baseline" (plus "open50/decode", which the Open goal needs).
void registerBenchmarks(BenchEnvironment *environment);
