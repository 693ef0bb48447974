// The Linux module is the frame library as a whole; this unit only gives the target a source.
