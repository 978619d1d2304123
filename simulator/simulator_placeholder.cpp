// The simulated terminal: placeholder translation unit until the first model file lands.
