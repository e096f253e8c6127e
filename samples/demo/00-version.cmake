zem_demo(--version)
