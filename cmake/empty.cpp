// Keeps a layer library valid while its folder holds no source yet.
