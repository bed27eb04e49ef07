// Intentionally empty: keeps a library target valid while its folders fill.
