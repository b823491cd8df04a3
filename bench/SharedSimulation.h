#pragma once
// The engine is set up once per process and never released, exactly as in the
// program; the benchmarks that time presses share that one set-up.

// Starts the random source and sets the simulation up on the first call;
// later calls do nothing.
void EnsureSimulation();
