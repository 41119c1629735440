// The statistics window (being built).
