# Sources of the dialogs' theme: accessible dialog base, high-contrast filter, system-theme seam.
