// Game code reaches the window, pictures, fonts and sound through src/platform/; only the host
// part (src/platform/host/) includes SDL. This header stands in for SDL's in every other file.
#error "SDL is included only under src/platform/host/; use the platform layer's interface"
