modulix_module(slot_scan SOURCES slot_scan.cpp DEPS inventory decoding)
