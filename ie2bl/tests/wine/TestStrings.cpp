// Resource-only library: the strings are in TestStrings.rc, the code never runs.
