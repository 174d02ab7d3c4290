// The framework's file browser lists floppy-disk images through the sample files'
// reader; the program hands it over once at start-up.
#pragma once

// Points DiskImageHook() at OpenIMD and the open image's globals.
void ConnectDiskImages();
