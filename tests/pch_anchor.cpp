// SPDX-License-Identifier: MIT
// Carries the tests' precompiled header.
