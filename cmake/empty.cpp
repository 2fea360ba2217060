// A shared object needs one source; the layer it checks is linked in whole.
